#pragma once

#include <QDialog>

class QComboBox;

namespace vitalis {

class LanguageTable;

// Chooses the interface language among the language files that are installed.
class LanguageDialog : public QDialog {
    Q_OBJECT

  public:
    explicit LanguageDialog(LanguageTable& languages, QWidget* parent = nullptr);
    QComboBox* choices() const { return choices_; }
    // The language chosen with OK has been stored and loaded; the caller relabels.
    void accept() override;

  private:
    LanguageTable& languages_;
    QComboBox* choices_ = nullptr;
};

}  // namespace vitalis
