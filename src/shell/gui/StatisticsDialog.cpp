#include "shell/gui/StatisticsDialog.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "analysis/CopyTexts.h"

namespace vitalis {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

StatisticsDialog::StatisticsDialog(const StatisticsTable& table, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(Q(table.title));
    auto* layout = new QVBoxLayout(this);
    if (!table.loadCaption.empty()) layout->addWidget(new QLabel(Q(table.loadCaption), this));

    auto* grid =
        new QTableWidget(static_cast<int>(table.rows.size()), StatisticsTable::kColumns, this);
    grid->setObjectName(QStringLiteral("statisticsTable"));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList columns;
    for (const std::string& caption : table.columnCaptions) columns << Q(caption);
    grid->setHorizontalHeaderLabels(columns);
    QStringList rows;
    for (size_t r = 0; r < table.rows.size(); ++r) {
        rows << Q(table.rows[r].label);
        for (int c = 0; c < StatisticsTable::kColumns; ++c) {
            auto* cell = new QTableWidgetItem(Q(table.rows[r].cells[static_cast<size_t>(c)]));
            cell->setTextAlignment(Qt::AlignCenter);
            grid->setItem(static_cast<int>(r), c, cell);
        }
    }
    grid->setVerticalHeaderLabels(rows);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(grid);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(Q(table.confirmText), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    copyButton_ = buttons->addButton(Q(table.copyText), QDialogButtonBox::ActionRole);
    copyButton_->setObjectName(QStringLiteral("copyButton"));
    auto* copy = new QAction(this);
    copy->setShortcut(QKeySequence::Copy);
    addAction(copy);
    copied_ = new QLabel(this);
    copied_->setObjectName(QStringLiteral("copiedLine"));
    const auto copyTable = [this, text = Q(StatisticsCopyText(table)), said = Q(table.copiedText)] {
        QGuiApplication::clipboard()->setText(text);
        copied_->setText(said);
    };
    connect(copyButton_, &QPushButton::clicked, this, copyTable);
    connect(copy, &QAction::triggered, this, copyTable);
    layout->addWidget(copied_);
    layout->addWidget(buttons);
    // Wide and tall enough for the whole table at the current font, so nothing scrolls.
    grid->resizeColumnsToContents();
    int tableWidth = grid->verticalHeader()->sizeHint().width() + 2 * grid->frameWidth();
    for (int c = 0; c < grid->columnCount(); ++c) tableWidth += grid->columnWidth(c);
    int tableHeight = grid->horizontalHeader()->sizeHint().height() + 2 * grid->frameWidth();
    for (int r = 0; r < grid->rowCount(); ++r) tableHeight += grid->rowHeight(r);
    grid->setMinimumSize(tableWidth, tableHeight);
    resize(std::max(760, tableWidth + 40), std::max(240, sizeHint().height()));
}

}  // namespace vitalis
