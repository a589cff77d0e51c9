#pragma once

#include <functional>

#include "case/gui/CaseListDialog.h"

namespace vitalis {

// Copies the chosen case files into another folder.
class CaseCopyDialog : public CaseListDialog {
    Q_OBJECT

  public:
    // chooseTarget asks for the folder to copy into; empty means the user cancelled.
    CaseCopyDialog(const TextSource& texts, CaseFileTable& table, const QString& folder,
                   UserMessages messages, std::function<QString(QWidget*)> chooseTarget,
                   QWidget* parent = nullptr);

  protected:
    void Accept() override;

  private:
    std::function<QString(QWidget*)> chooseTarget_;
};

}  // namespace vitalis
