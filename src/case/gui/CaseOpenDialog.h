#pragma once

#include "case/gui/CaseListDialog.h"

class QDateEdit;
class QRadioButton;

namespace vitalis {

// Chooses the case to open: browse a folder, search it by name, identifier or test date,
// and accept only files from a monitor this workstation reads.
class CaseOpenDialog : public CaseListDialog {
    Q_OBJECT

  public:
    CaseOpenDialog(const TextSource& texts, CaseFileTable& table, const QString& folder,
                   UserMessages messages, QWidget* parent = nullptr);

    QString chosenPath() const { return chosenPath_; }
    // Selects the row of a file, as a click would (used to offer a new download).
    bool SelectFile(const QString& path);
    void Search();

    QLineEdit* searchField() const { return searchField_; }
    QDateEdit* dateField() const { return dateField_; }
    QRadioButton* byName() const { return byName_; }
    QRadioButton* byId() const { return byId_; }
    QRadioButton* byDate() const { return byDate_; }

  protected:
    void Accept() override;

  private:
    QRadioButton* byName_ = nullptr;
    QRadioButton* byId_ = nullptr;
    QRadioButton* byDate_ = nullptr;
    QLineEdit* searchField_ = nullptr;
    QDateEdit* dateField_ = nullptr;
    QString chosenPath_;
};

}  // namespace vitalis
