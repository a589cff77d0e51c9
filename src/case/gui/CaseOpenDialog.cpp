#include "case/gui/CaseOpenDialog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>
#include "case/TextSource.h"

namespace vitalis {

CaseOpenDialog::CaseOpenDialog(const TextSource& texts, CaseFileTable& table, const QString& folder,
                               UserMessages messages, QWidget* parent)
    : CaseListDialog(texts, table, folder, std::move(messages), parent) {
    setWindowTitle(Text(kMessageTexts, "IDS_SEL_OPENDATA"));
    list()->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(list(), &QTreeWidget::itemDoubleClicked, this, [this] { Accept(); });

    auto* row = new QHBoxLayout;
    auto* label = new QLabel(Text(kMessageTexts, "IDS_SEARCH"), this);
    searchField_ = new QLineEdit(this);
    searchField_->setObjectName(QStringLiteral("searchField"));
    searchField_->setClearButtonEnabled(true);
    searchField_->setToolTip(Text(kMessageTexts, "IDS_PATIENTS_NAMES") + QStringLiteral(" / ") +
                             Text(kMessageTexts, "IDS_PATIENTS_ID"));
    label->setBuddy(searchField_);
    row->addWidget(label);
    row->addWidget(searchField_, 1);
    layout()->insertLayout(1, row);
    searchField_->installEventFilter(this);
    connect(searchField_, &QLineEdit::textChanged, this, [this] { Filter(); });
    connect(searchField_, &QLineEdit::returnPressed, this, &CaseOpenDialog::Search);
    Filter();
    searchField_->setFocus();
}

int CaseOpenDialog::Filter() {
    if (searchField_ == nullptr) return list()->topLevelItemCount();  // still being built
    const std::string text = searchField_->text().trimmed().toStdString();
    int shown = 0;
    QTreeWidgetItem* first = nullptr;
    for (int i = 0; i < list()->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list()->topLevelItem(i);
        const CaseRow* row = RowData(item);
        const bool match = row != nullptr && MatchesCaseSearch(*row, text);
        item->setHidden(!match);
        if (!match) continue;
        ++shown;
        if (first == nullptr) first = item;
    }
    // The selection follows the filter: never a hidden row, the first one left otherwise.
    const auto selected = list()->selectedItems();
    if (selected.isEmpty() || selected.front()->isHidden()) SelectRow(first);
    return shown;
}

void CaseOpenDialog::Search() {
    // A folder typed over since the listing is searched, not the rows still shown.
    if (folder() != listedFolder()) SetFolder(folder());
    if (Filter() == 0) Inform(Text(kDialogTexts, "IDS_NOCASEFILE"));
}

bool CaseOpenDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == searchField_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(list(), event);
            if (QTreeWidgetItem* current = list()->currentItem()) SelectRow(current);
            return true;
        }
    }
    return CaseListDialog::eventFilter(watched, event);
}

bool CaseOpenDialog::SelectFile(const QString& path) {
    QTreeWidgetItem* item = RowOf(path);
    if (item == nullptr) return false;
    item->setHidden(false);
    SelectRow(item);
    return true;
}

void CaseOpenDialog::Accept() {
    QTreeWidgetItem* item =
        list()->selectedItems().isEmpty() ? nullptr : list()->selectedItems().front();
    if (item == nullptr || item->isHidden()) {
        Inform(Text(kGlobalTexts, "IDS_PLEASE_CHOSE"));
        return;
    }
    // The rows must be those of the folder shown: a folder typed over since is listed first.
    if (folder() != listedFolder()) {
        SetFolder(folder());
        return;
    }
    // The row knows the file it was read from: that file, and no other of the same name.
    const std::string path = item->data(0, Qt::UserRole).toString().toStdString();
    if (path.empty()) {
        Inform(Text(kGlobalTexts, "IDS_SYS_ERROR"));
        return;
    }
    // Looked at again: the file may have changed since it was listed.
    const CaseRow row = ReadCaseRow(path);
    if (row.damage) {
        Inform(QString::fromStdString(DamagedCaseMessage(texts(), row.fileName, row.damage)));
        return;
    }
    if (!IsCompatibleCase(path)) {
        Inform(Text(kGlobalTexts, "IDS_CANNOT_CHECK"));
        return;
    }
    chosenPath_ = QString::fromStdString(path);
    accept();
}

}  // namespace vitalis
