#include "case/gui/MeasurementEditorDialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "case/ColumnHeadings.h"
#include "case/CsvExport.h"
#include "case/ReadingColumns.h"
#include "case/TextSource.h"

namespace vitalis {

MeasurementEditorDialog::MeasurementEditorDialog(Recording& recording, const TextSource& texts,
                                                 UserMessages messages,
                                                 std::function<QString(QWidget*)> chooseCsvPath,
                                                 QWidget* parent)
    : QDialog(parent),
      recording_(recording),
      texts_(texts),
      messages_(std::move(messages)),
      chooseCsvPath_(std::move(chooseCsvPath)),
      edits_(recording) {
    const auto text = [&](std::string_view section, std::string_view key) {
        return QString::fromStdString(texts_.Text(section, key));
    };
    setWindowTitle(text(kMessageTexts, "IDS_EDIT_PREDATA"));
    auto* layout = new QVBoxLayout(this);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("readingList"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setColumnCount(10);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);  // only the remark, on a click
    const auto columns = ParseColumnHeadings(texts_.Text(kDialogTexts, "IDS_SET_HEADING"));
    QStringList titles;
    for (const ColumnHeading& column : columns) titles << QString::fromStdString(column.title);
    while (titles.size() < 10) titles << QString();
    list_->setHeaderLabels(titles);
    for (size_t i = 0; i < columns.size() && i < 10; ++i) {
        if (columns[i].width > 0) list_->setColumnWidth(static_cast<int>(i), columns[i].width);
    }
    for (int column = 0; column < 10; ++column) WidenToHeader(column);
    layout->addWidget(list_, 1);
    connect(list_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int column) {
        if (column == kExclusionColumn) ClickMark(list_->indexOfTopLevelItem(item));
        if (column == kRemarkColumn) list_->editItem(item, kRemarkColumn);
    });
    connect(list_, &QTreeWidget::itemChanged, this, &MeasurementEditorDialog::RemarkEdited);
    toggleAction_ =
        new QAction(QString::fromStdString(texts_.Text(kMenuTexts, "IDS_EXCLUDE_READING")), list_);
    toggleAction_->setShortcut(QKeySequence(Qt::Key_Space));
    toggleAction_->setShortcutContext(Qt::WidgetShortcut);
    list_->addAction(toggleAction_);
    connect(toggleAction_, &QAction::triggered, this, [this] {
        if (QTreeWidgetItem* item = list_->currentItem())
            ClickMark(list_->indexOfTopLevelItem(item));
    });
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QTreeWidget::customContextMenuRequested, this,
            &MeasurementEditorDialog::ShowRowMenu);

    auto* buttons = new QDialogButtonBox(this);
    buttons_ = buttons;
    QPushButton* exportButton =
        buttons->addButton(text(kDialogTexts, "IDS_DERIVE_DATA"), QDialogButtonBox::ActionRole);
    buttons->addButton(text(kMessageTexts, "IDS_MAKE_SURE"), QDialogButtonBox::AcceptRole);
    buttons->addButton(text(kMessageTexts, "IDS_CANCEL"), QDialogButtonBox::RejectRole);
    connect(exportButton, &QPushButton::clicked, this, &MeasurementEditorDialog::ExportCsv);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(900, 600);
    Fill();
}

void MeasurementEditorDialog::Fill() {
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const Measurement& m : recording_.allMeasurements()) {
        const auto cells = MeasurementListTexts(m, texts_);
        auto* item = new QTreeWidgetItem(list_);
        for (int c = 0; c < 10; ++c)
            item->setText(c, QString::fromStdString(cells[static_cast<size_t>(c)]));
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    UpdateHeader();
    WidenToStatusWords();
}

void MeasurementEditorDialog::WidenToStatusWords() {
    // A failure in words is longer than the codes the language's width was made for. The
    // widest one may lie anywhere in a long recording, so it is found by its text.
    const QFontMetrics metrics = list_->fontMetrics();
    int widest = -1;
    int widestAdvance = 0;
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        const int advance =
            metrics.horizontalAdvance(list_->topLevelItem(row)->text(kStatusColumn));
        if (advance <= widestAdvance) continue;
        widest = row;
        widestAdvance = advance;
    }
    if (widest < 0) return;
    const int needed =
        list_->sizeHintForIndex(list_->model()->index(widest, kStatusColumn)).width();
    list_->setColumnWidth(kStatusColumn, std::max(list_->columnWidth(kStatusColumn), needed));
}

void MeasurementEditorDialog::UpdateHeader() {
    const std::string title = ExclusionColumnTitle(texts_, edits_.ExcludedCount(), edits_.size());
    list_->headerItem()->setText(kExclusionColumn, QString::fromStdString(title));
    WidenToHeader(kExclusionColumn);
}

void MeasurementEditorDialog::WidenToHeader(int column) {
    // Never narrower than the language asks for, never so narrow that the title is cut.
    const int needed = list_->header()->sectionSizeHint(column);
    if (list_->columnWidth(column) < needed) list_->setColumnWidth(column, needed);
}

void MeasurementEditorDialog::ClickMark(int row) {
    if (row < 0 || row >= edits_.size() || !edits_.ToggleExclusion(row)) return;
    const QSignalBlocker quiet(list_);
    list_->topLevelItem(row)->setText(kExclusionColumn,
                                      edits_.IsExcluded(row) ? QStringLiteral("*") : QString());
    UpdateHeader();
}

void MeasurementEditorDialog::RemarkEdited(QTreeWidgetItem* item, int column) {
    const int row = list_->indexOfTopLevelItem(item);
    if (row < 0 || row >= edits_.size()) return;
    if (column == kRemarkColumn) {
        edits_.SetRemark(row, item->text(kRemarkColumn).toStdString());
        return;
    }
    // Only the remark is editable: any other cell goes back to what the reading says.
    const QSignalBlocker quiet(list_);
    const auto cells =
        MeasurementListTexts(recording_.allMeasurements()[static_cast<size_t>(row)], texts_);
    item->setText(column, column == kExclusionColumn
                              ? (edits_.IsExcluded(row) ? QStringLiteral("*") : QString())
                              : QString::fromStdString(cells[static_cast<size_t>(column)]));
}

void MeasurementEditorDialog::ExportCsv() {
    const QString chosen = chooseCsvPath_(this);
    if (chosen.isEmpty()) return;
    const std::string path = CsvExportPath(chosen.toStdString());
    const bool saved = vitalis::ExportCsv(recording_, path, texts_);
    messages_.inform(
        this, QString::fromStdString(
                  texts_.Text(kGlobalTexts, saved ? "IDS_SAVEFILESUCCESS" : "IDS_AWPTOFILEERROR")));
}

void MeasurementEditorDialog::SetSaving(Saving saving) {
    saving_ = std::move(saving);
    if (saveButton_ != nullptr || !saving_) return;
    // Only a caller that can save offers it.
    saveButton_ =
        buttons_->addButton(QString::fromStdString(texts_.Text(kMenuTexts, "IDS_SAVE_CASE")),
                            QDialogButtonBox::ActionRole);
    saveButton_->setObjectName(QStringLiteral("saveButton"));
    connect(saveButton_, &QPushButton::clicked, this, &MeasurementEditorDialog::Save);
}

std::vector<ReadingMark> MeasurementEditorDialog::marks() const {
    std::vector<ReadingMark> marks;
    for (int row = 0; row < edits_.size(); ++row) {
        marks.push_back({edits_.IsExcluded(row), edits_.Remark(row)});
    }
    return marks;
}

void MeasurementEditorDialog::Save() {
    if (saving_ && saving_(marks(), this)) QDialog::accept();
}

void MeasurementEditorDialog::ShowRowMenu(const QPoint& at) {
    QTreeWidgetItem* item = list_->itemAt(at);
    if (item == nullptr) return;
    const int row = list_->indexOfTopLevelItem(item);
    list_->setCurrentItem(item);
    const char* key = edits_.IsExcluded(row) ? "IDS_INCLUDE_READING" : "IDS_EXCLUDE_READING";
    toggleAction_->setText(QString::fromStdString(texts_.Text(kMenuTexts, key)));
    QMenu menu(this);
    menu.addAction(toggleAction_);
    menu.exec(list_->viewport()->mapToGlobal(at));
}

}  // namespace vitalis
