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
#include "case/TextSource.h"

namespace vitalis {
namespace {

constexpr int kDateColumn = 2;
constexpr int kReadingsColumn = 3;
constexpr int kFileColumn = 4;

// A list row that keeps the file's row data, so that sorting compares dates and counts as
// what they are rather than as texts.
class CaseRowItem final : public QTreeWidgetItem {
  public:
    explicit CaseRowItem(CaseRow row) : row_(std::move(row)) {}
    bool operator<(const QTreeWidgetItem& other) const override {
        const auto* that = dynamic_cast<const CaseRowItem*>(&other);
        if (that == nullptr) return QTreeWidgetItem::operator<(other);
        const int column = treeWidget() != nullptr ? treeWidget()->sortColumn() : 0;
        return CaseRowBefore(row_, that->row_, static_cast<CaseColumn>(column));
    }

    const CaseRow& row() const { return row_; }

  private:
    CaseRow row_;
};

// The file's path below the listed folder ("2026/3.awp" for a monthly Heron file).
QString PathBelow(const QString& folder, const std::string& path) {
    const QString full = QString::fromStdString(path);
    QString prefix = folder;
    if (!prefix.endsWith(QLatin1Char('/'))) prefix += QLatin1Char('/');
    return full.startsWith(prefix) ? full.mid(prefix.size()) : full;
}

}  // namespace

CaseListDialog::CaseListDialog(const TextSource& texts, CaseFileTable& table, const QString& folder,
                               UserMessages messages, QWidget* parent)
    : QDialog(parent), texts_(texts), table_(table), messages_(std::move(messages)) {
    layout_ = new QVBoxLayout(this);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(new QLabel(Text(kMessageTexts, "IDS_CURRENT_PATH"), this));
    folderField_ = new QLineEdit(this);
    folderField_->setObjectName(QStringLiteral("folderField"));
    folderRow->addWidget(folderField_, 1);
    auto* browse = new QPushButton(QStringLiteral("…"), this);
    browse->setObjectName(QStringLiteral("browseButton"));
    browse->setToolTip(Text(kDialogTexts, "IDS_SEL_PATH"));
    folderRow->addWidget(browse);
    layout_->addLayout(folderRow);
    connect(browse, &QPushButton::clicked, this, &CaseListDialog::Browse);
    connect(folderField_, &QLineEdit::returnPressed, this,
            [this] { SetFolder(folderField_->text()); });

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("caseList"));
    list_->setRootIsDecorated(false);
    list_->setAllColumnsShowFocus(true);
    SetColumnTitles();
    list_->setSortingEnabled(true);
    list_->sortByColumn(kDateColumn, Qt::DescendingOrder);  // the latest test first
    layout_->addWidget(list_, 1);

    buttons_ = new QDialogButtonBox(this);
    buttons_->addButton(Text(kMessageTexts, "IDS_MAKE_SURE"), QDialogButtonBox::AcceptRole);
    buttons_->addButton(Text(kMessageTexts, "IDS_CANCEL"), QDialogButtonBox::RejectRole);
    connect(buttons_, &QDialogButtonBox::accepted, this, [this] { Accept(); });
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout_->addWidget(buttons_);

    resize(720, 480);
    SetFolder(folder);
}

void CaseListDialog::SetColumnTitles() {
    // The language gives patient, identifier, test begin and file; the readings come fourth.
    std::vector<ColumnHeading> columns =
        ParseColumnHeadings(texts_.Text(kDialogTexts, "IDS_ALL_INFO"));
    columns.resize(4);
    columns.insert(columns.begin() + kReadingsColumn,
                   ColumnHeading{texts_.Text(kDialogTexts, "IDS_RECORDING_COUNT"), 80});
    QStringList titles;
    for (const ColumnHeading& column : columns) titles << QString::fromStdString(column.title);
    list_->setHeaderLabels(titles);
    for (size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].width > 0) list_->setColumnWidth(static_cast<int>(i), columns[i].width);
    }
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
    list_->setSortingEnabled(false);  // one sort after all rows, not one per row
    for (const CaseRow& row : rows) {
        auto* item = new CaseRowItem(row);
        item->setText(0, QString::fromStdString(row.name));
        item->setText(1, QString::fromStdString(row.id));
        if (row.damage) {
            item->setText(kDateColumn, QString::fromStdString(DamagedCaseRow(texts_, row.damage)));
            item->setToolTip(kDateColumn, item->text(kDateColumn));
        } else {
            item->setText(kDateColumn, QString::fromStdString(CaseRowDate(row)));
            item->setText(kReadingsColumn, QString::number(row.readings));
        }
        item->setTextAlignment(kReadingsColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(kFileColumn, PathBelow(from, row.path));
        item->setData(0, Qt::UserRole, QString::fromStdString(row.path));
        list_->addTopLevelItem(item);
    }
    list_->setSortingEnabled(true);
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
    RowsShown();
}

QTreeWidgetItem* CaseListDialog::RowOf(const QString& path) const {
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list_->topLevelItem(i);
        if (item->data(0, Qt::UserRole).toString() == path) return item;
    }
    return nullptr;
}

const CaseRow* CaseListDialog::RowData(const QTreeWidgetItem* item) {
    const auto* row = dynamic_cast<const CaseRowItem*>(item);
    return row != nullptr ? &row->row() : nullptr;
}

void CaseListDialog::SelectRow(QTreeWidgetItem* item) {
    list_->clearSelection();
    if (item == nullptr) return;
    list_->setCurrentItem(item);
    item->setSelected(true);
    list_->scrollToItem(item);
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
        QFileDialog::getExistingDirectory(this, Text(kDialogTexts, "IDS_SEL_PATH"), folder());
    if (!chosen.isEmpty()) SetFolder(chosen);
}

}  // namespace vitalis
