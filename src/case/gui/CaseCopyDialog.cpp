#include "case/gui/CaseCopyDialog.h"

#include <QTreeWidget>
#include "case/TextSource.h"

namespace vitalis {

CaseCopyDialog::CaseCopyDialog(const TextSource& texts, CaseFileTable& table, const QString& folder,
                               UserMessages messages, std::function<QString(QWidget*)> chooseTarget,
                               QWidget* parent)
    : CaseListDialog(texts, table, folder, std::move(messages), parent),
      chooseTarget_(std::move(chooseTarget)) {
    setWindowTitle(Text(kMessageTexts, "IDS_NEED_COPY"));
    list()->setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void CaseCopyDialog::Accept() {
    const std::vector<std::string> paths = SelectedPaths();
    if (paths.empty()) {
        Inform(Text(kGlobalTexts, "IDS_PLEASE_CHOSE"));
        return;
    }
    const QString target = chooseTarget_(this);
    if (target.isEmpty()) return;
    const std::vector<std::string> failed = CopyCases(paths, target.toStdString());
    if (!failed.empty()) {
        QString text = Text(kGlobalTexts, "IDS_ERROR");
        for (const std::string& path : failed)
            text += QStringLiteral("\n") + QString::fromStdString(path);
        Inform(text);
    }
    accept();
}

}  // namespace vitalis
