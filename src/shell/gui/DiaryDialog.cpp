#include "shell/gui/DiaryDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cstdio>
#include "case/TextSource.h"

namespace vitalis {
namespace {

constexpr const char* kSection = kDiaryTexts;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString Cell(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text().trimmed() : QString();
}

QTableWidget* Table(const QStringList& headings, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    table->setHorizontalHeaderLabels(headings);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setSelectionBehavior(QAbstractItemView::SelectItems);
    table->setTabKeyNavigation(false);  // Tab leaves the table, arrows move inside it
    return table;
}

}  // namespace

DiaryDialog::DiaryDialog(const TextSource& texts, const Diary& diary,
                         const CalendarDate& firstEvening, int asleepStart, int awakeStart,
                         QWidget* parent)
    : QDialog(parent),
      texts_(texts),
      accepted_(diary),
      firstEvening_(firstEvening),
      asleepStart_(asleepStart),
      awakeStart_(awakeStart) {
    const auto text = [&](const char* key) {
        return QString::fromStdString(texts.Text(kSection, key));
    };
    setWindowTitle(text("IDS_DIARY_TITLE"));
    nights_ = Table({text("IDS_DIARY_DATE"), text("IDS_DIARY_BED"), text("IDS_DIARY_UP")}, this);
    events_ = Table({text("IDS_DIARY_TIME"), text("IDS_DIARY_KIND"), text("IDS_DIARY_TEXT")}, this);
    for (const DiaryNight& night : diary.nights) {
        nights_->insertRow(nights_->rowCount());
        SetNightRow(nights_->rowCount() - 1, night);
    }
    for (const DiaryEvent& event : diary.events) {
        events_->insertRow(events_->rowCount());
        SetEventRow(events_->rowCount() - 1, event);
    }
    nights_->installEventFilter(this);
    events_->installEventFilter(this);

    auto* addNight = new QPushButton(text("IDS_DIARY_ADD_NIGHT"), this);
    auto* addEvent = new QPushButton(text("IDS_DIARY_ADD_EVENT"), this);
    auto* remove = new QPushButton(text("IDS_DIARY_REMOVE"), this);
    connect(addNight, &QPushButton::clicked, this, &DiaryDialog::AddNight);
    connect(addEvent, &QPushButton::clicked, this, &DiaryDialog::AddEvent);
    connect(remove, &QPushButton::clicked, this, &DiaryDialog::RemoveRow);
    for (QPushButton* b : {addNight, addEvent, remove}) b->setAutoDefault(false);

    error_ = new QLabel(this);
    error_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(this);
    buttons
        ->addButton(QString::fromStdString(texts.Text(kMessageTexts, "IDS_MAKE_SURE")),
                    QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(QString::fromStdString(texts.Text(kMessageTexts, "IDS_CANCEL")),
                       QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &DiaryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(text("IDS_DIARY_NIGHTS"), this), 0, 0);
    grid->addWidget(new QLabel(text("IDS_DIARY_EVENTS"), this), 0, 1);
    grid->addWidget(nights_, 1, 0);
    grid->addWidget(events_, 1, 1);
    auto* rowButtons = new QHBoxLayout;
    for (QPushButton* b : {addNight, addEvent, remove}) rowButtons->addWidget(b);
    rowButtons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(rowButtons);
    layout->addWidget(error_);
    layout->addWidget(buttons);
    resize(820, 420);
}

void DiaryDialog::SetNightRow(int row, const DiaryNight& night) {
    nights_->setItem(row, 0, new QTableWidgetItem(Q(DiaryDateText(night.date))));
    nights_->setItem(row, 1, new QTableWidgetItem(Q(DiaryClockText(night.bedMinute))));
    nights_->setItem(row, 2, new QTableWidgetItem(Q(DiaryClockText(night.upMinute))));
}

void DiaryDialog::SetEventRow(int row, const DiaryEvent& event) {
    const ClockTime& t = event.time;
    events_->setItem(row, 0, new QTableWidgetItem(Q(DiaryTimeText(t))));
    auto* kind = new QComboBox(events_);
    for (int k = 0; k < kDiaryEventKinds; ++k)
        kind->addItem(Q(texts_.Text(kSection, DiaryKindTextKey(static_cast<DiaryEventKind>(k)))));
    kind->setCurrentIndex(static_cast<int>(event.kind));
    events_->setCellWidget(row, 1, kind);
    events_->setItem(row, 2, new QTableWidgetItem(QString::fromStdString(event.text)));
}

void DiaryDialog::AddNight() {
    // The evening after the last one entered, or the test's first.
    CalendarDate evening = firstEvening_;
    if (const auto last = Result(); last && !last->nights.empty()) {
        const CalendarDate& d = last->nights.back().date;
        evening = CivilFromDays(DaysFromCivil(d.year, d.month, d.day) + 1);
    }
    error_->clear();
    const int row = nights_->rowCount();
    nights_->insertRow(row);
    SetNightRow(row, {evening, asleepStart_, awakeStart_});
    nights_->setCurrentCell(row, 1);
    nights_->setFocus();
}

void DiaryDialog::AddEvent() {
    const int row = events_->rowCount();
    events_->insertRow(row);
    SetEventRow(row, {{firstEvening_.year, firstEvening_.month, firstEvening_.day, 12, 0},
                      DiaryEventKind::Medication,
                      ""});
    events_->setCurrentCell(row, 0);
    events_->setFocus();
}

void DiaryDialog::RemoveRow() {
    // The table that had the focus last, else the one with a current row.
    QTableWidget* table = events_->hasFocus() || nights_->currentRow() < 0 ? events_ : nights_;
    if (table->currentRow() >= 0) table->removeRow(table->currentRow());
}

bool DiaryDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == nights_ || watched == events_)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* table = static_cast<QTableWidget*>(watched);
        if (key == Qt::Key_Insert) {
            table == nights_ ? AddNight() : AddEvent();
            return true;
        }
        // While a cell is edited its editor has the keys, so Delete there edits the text.
        if (key == Qt::Key_Delete && table->currentRow() >= 0) {
            table->removeRow(table->currentRow());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DiaryDialog::Refuse(QTableWidget* table, int row, int column, const char* key) {
    error_->setText(QString::fromStdString(texts_.Text(kSection, key)).arg(row + 1));
    table->setCurrentCell(row, column);
    table->setFocus();
}

std::optional<Diary> DiaryDialog::Result() {
    Diary diary;
    diary.kept = accepted_.kept;  // lines this program does not understand stay as they were
    for (int row = 0; row < nights_->rowCount(); ++row) {
        const QString value =
            Cell(nights_, row, 0) + " " + Cell(nights_, row, 1) + " " + Cell(nights_, row, 2);
        const auto night = ParseNightValue(value.toStdString());
        if (!night) {
            Refuse(nights_, row, 0, "IDS_DIARY_BAD_NIGHT");
            return std::nullopt;
        }
        diary.nights.push_back(*night);
    }
    for (int row = 0; row < events_->rowCount(); ++row) {
        const auto* kind = qobject_cast<QComboBox*>(events_->cellWidget(row, 1));
        const int index = kind ? kind->currentIndex() : -1;
        const auto kindIndex =
            index >= 0 ? static_cast<DiaryEventKind>(index) : DiaryEventKind::Other;
        const std::string value =
            Cell(events_, row, 0).toStdString() + " " + std::string(DiaryKindKey(kindIndex));
        auto event = ParseEventValue(value);
        if (!event) {
            Refuse(events_, row, 0, "IDS_DIARY_BAD_EVENT");
            return std::nullopt;
        }
        event->text = Cell(events_, row, 2).toStdString();
        diary.events.push_back(std::move(*event));
    }
    error_->clear();
    return diary;
}

void DiaryDialog::accept() {
    auto diary = Result();
    if (!diary) return;
    accepted_ = std::move(*diary);
    QDialog::accept();
}

}  // namespace vitalis
