#include "case/gui/CaseListDialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "case/ColumnHeadings.h"

namespace vitalis {

CaseListDialog::CaseListDialog(const TextSource& texts, CaseFileTable& table, const QString& folder,
                               UserMessages messages, QWidget* parent)
    : QDialog(parent), texts_(texts), table_(table), messages_(std::move(messages)) {
    layout_ = new QVBoxLayout(this);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(new QLabel(Text("Message Setting", "IDS_CURRENT_PATH"), this));
    folderField_ = new QLineEdit(this);
    folderField_->setObjectName(QStringLiteral("folderField"));
    folderRow->addWidget(folderField_, 1);
    auto* browse = new QPushButton(QStringLiteral("…"), this);
    browse->setObjectName(QStringLiteral("browseButton"));
    browse->setToolTip(Text("Dialog Setting", "IDS_SEL_PATH"));
    folderRow->addWidget(browse);
    layout_->addLayout(folderRow);
    connect(browse, &QPushButton::clicked, this, &CaseListDialog::Browse);
    connect(folderField_, &QLineEdit::returnPressed, this,
            [this] { SetFolder(folderField_->text()); });

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("caseList"));
    list_->setRootIsDecorated(false);
    list_->setAllColumnsShowFocus(true);
    list_->setSortingEnabled(false);
    const auto columns = ParseColumnHeadings(texts_.Text("Dialog Setting", "IDS_ALL_INFO"));
    QStringList titles;
    for (const ColumnHeading& column : columns) titles << QString::fromStdString(column.title);
    while (titles.size() < 4) titles << QString();
    list_->setHeaderLabels(titles);
    for (size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].width > 0) list_->setColumnWidth(static_cast<int>(i), columns[i].width);
    }
    layout_->addWidget(list_, 1);

    buttons_ = new QDialogButtonBox(this);
    buttons_->addButton(Text("Message Setting", "IDS_MAKE_SURE"), QDialogButtonBox::AcceptRole);
    buttons_->addButton(Text("Message Setting", "IDS_CANCEL"), QDialogButtonBox::RejectRole);
    connect(buttons_, &QDialogButtonBox::accepted, this, [this] { Accept(); });
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout_->addWidget(buttons_);

    resize(720, 480);
    SetFolder(folder);
}

QString CaseListDialog::Text(std::string_view section, std::string_view key) const {
    return QString::fromStdString(texts_.Text(section, key));
}

QString CaseListDialog::folder() const {
    return folderField_->text();
}

void CaseListDialog::SetFolder(const QString& folder) {
    folderField_->setText(folder);
    ShowRows(ListCaseFolder(folder.toStdString(), table_), folder);
}

void CaseListDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && qobject_cast<QLineEdit*>(focusWidget()) != nullptr) {
        event->accept();  // the field has run its own action on returnPressed
        return;
    }
    QDialog::keyPressEvent(event);
}

void CaseListDialog::ShowRows(const std::vector<CaseRow>& rows, const QString& from) {
    listedFolder_ = from;
    list_->clear();
    for (const CaseRow& row : rows) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, QString::fromStdString(row.name));
        item->setText(1, QString::fromStdString(row.id));
        item->setText(2, QString::fromStdString(row.testBegin));
        item->setText(3, QString::fromStdString(row.fileName));
        item->setData(0, Qt::UserRole, QString::fromStdString(row.path));
    }
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
}

std::vector<std::string> CaseListDialog::SelectedPaths() const {
    std::vector<std::string> paths;
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list_->topLevelItem(i);
        if (item->isSelected())
            paths.push_back(item->data(0, Qt::UserRole).toString().toStdString());
    }
    return paths;
}

void CaseListDialog::Browse() {
    const QString chosen =
        QFileDialog::getExistingDirectory(this, Text("Dialog Setting", "IDS_SEL_PATH"), folder());
    if (!chosen.isEmpty()) SetFolder(chosen);
}

}  // namespace vitalis
