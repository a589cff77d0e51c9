#pragma once

#include "case/gui/CaseListDialog.h"

namespace vitalis {

// Chooses the case to open from the patient list of a folder: the list filters by name or
// identifier as the user types, and only a readable file from a monitor this workstation
// reads is opened.
class CaseOpenDialog : public CaseListDialog {
    Q_OBJECT

  public:
    CaseOpenDialog(const TextSource& texts, CaseFileTable& table, const QString& folder,
                   UserMessages messages, QWidget* parent = nullptr);

    QString chosenPath() const { return chosenPath_; }
    // Selects the row of a file, as a click would (used to offer a new download).
    bool SelectFile(const QString& path);
    // Return in the search field: filters, and says so when no row is left.
    void Search();

    QLineEdit* searchField() const { return searchField_; }

  protected:
    void Accept() override;
    // Up and down in the search field move through the list, so the keyboard never leaves it.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void RowsShown() override { Filter(); }

  private:
    // Hides the rows that do not match the search text; returns how many stay.
    int Filter();

    QLineEdit* searchField_ = nullptr;
    QString chosenPath_;
};

}  // namespace vitalis
