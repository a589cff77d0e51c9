#include "case/gui/CaseDeleteDialog.h"

#include <QTreeWidget>
#include <memory>
#include "case/TextSource.h"

namespace vitalis {

CaseDeleteDialog::CaseDeleteDialog(const TextSource& texts, CaseFileTable& table,
                                   const QString& folder, UserMessages messages,
                                   QString openCasePath, QWidget* parent)
    : CaseListDialog(texts, table, folder, std::move(messages), parent),
      openCasePath_(std::move(openCasePath)) {
    setWindowTitle(Text(kMessageTexts, "IDS_NEED_DELETE"));
    list()->setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void CaseDeleteDialog::Accept() {
    const std::vector<std::string> paths = SelectedPaths();
    if (paths.empty()) {
        Inform(Text(kGlobalTexts, "IDS_PLEASE_CHOSE"));
        return;
    }
    // The question names the files, so that nobody deletes a case they did not mean.
    QString question = Text(kGlobalTexts, "IDS_DELETE");
    for (const std::string& path : paths)
        question += QStringLiteral("\n") + QString::fromStdString(path);
    if (!Confirm(question)) return;
    const DeleteResult result = DeleteCases(paths, openCasePath_.toStdString());
    for (const std::string& path : result.refused) {
        Inform(Text(kGlobalTexts, "IDS_UNABLE_DEL") + QStringLiteral("\r\n") +
               QString::fromStdString(path));
    }
    if (!result.failed.empty()) {
        QString text = Text(kGlobalTexts, "IDS_ERROR");
        for (const std::string& path : result.failed)
            text += QStringLiteral("\n") + QString::fromStdString(path);
        Inform(text);
    }
    for (int i = list()->topLevelItemCount() - 1; i >= 0; --i) {
        const std::string path =
            list()->topLevelItem(i)->data(0, Qt::UserRole).toString().toStdString();
        if (std::find(result.deleted.begin(), result.deleted.end(), path) != result.deleted.end()) {
            std::unique_ptr<QTreeWidgetItem> removed(list()->takeTopLevelItem(i));
        }
    }
    accept();
}

}  // namespace vitalis
