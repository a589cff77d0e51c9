#pragma once

#include "case/gui/CaseListDialog.h"

namespace vitalis {

// Removes the chosen case files, never the one that is open.
class CaseDeleteDialog : public CaseListDialog {
    Q_OBJECT

  public:
    CaseDeleteDialog(const TextSource& texts, CaseFileTable& table, const QString& folder,
                     UserMessages messages, QString openCasePath, QWidget* parent = nullptr);

  protected:
    void Accept() override;

  private:
    QString openCasePath_;
};

}  // namespace vitalis
