#include "shell/gui/DiaryDialog.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "case/DiaryCheck.h"
#include "case/TextSource.h"
#include "shell/gui/DiaryCellEditors.h"

namespace vitalis {
namespace {

constexpr const char* kSection = kDiaryTexts;

QTableWidgetItem* Cell(const QVariant& value) {
    auto* item = new QTableWidgetItem;
    item->setData(Qt::EditRole, value);
    return item;
}

QVariant Value(const QTableWidget* table, int row, int column, int role = Qt::EditRole) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->data(role) : QVariant();
}

QDate DateOf(const CalendarDate& d) {
    return QDate(d.year, d.month, d.day);
}

QTime ClockOf(int minute) {
    return QTime(minute / 60 % 24, minute % 60);
}

int MinuteOf(const QTime& t) {
    return t.isValid() ? t.hour() * 60 + t.minute() : 0;
}

// "16" for whole hours, else "15:30".
QString HoursText(int minutes) {
    const QString hours = QString::number(minutes / 60);
    if (minutes % 60 == 0) return hours;
    return hours + QStringLiteral(":%1").arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

QString DiaryDialog::Text(const char* key) const {
    return QString::fromStdString(texts_.Text(kSection, key));
}

QTableWidget* DiaryDialog::Table(const char* first, const char* second, const char* third) {
    auto* table = new QTableWidget(0, 3, this);
    table->setHorizontalHeaderLabels({Text(first), Text(second), Text(third)});
    table->horizontalHeader()->setStretchLastSection(true);
    table->setSelectionBehavior(QAbstractItemView::SelectItems);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);  // Tab leaves the table, arrows move inside it
    table->setItemDelegate(new DiaryTimeDelegate(table));
    table->installEventFilter(this);
    return table;
}

DiaryDialog::DiaryDialog(const TextSource& texts, const Diary& diary,
                         const CalendarDate& firstEvening, int asleepStart, int awakeStart,
                         QWidget* parent)
    : QDialog(parent),
      texts_(texts),
      accepted_(diary),
      firstEvening_(firstEvening),
      asleepStart_(asleepStart),
      awakeStart_(awakeStart) {
    setWindowTitle(Text("IDS_DIARY_TITLE"));
    nights_ = Table("IDS_DIARY_DATE", "IDS_DIARY_BED", "IDS_DIARY_UP");
    events_ = Table("IDS_DIARY_TIME", "IDS_DIARY_KIND", "IDS_DIARY_TEXT");
    QStringList kinds;
    for (int k = 0; k < kDiaryEventKinds; ++k)
        kinds << Text(DiaryKindTextKey(static_cast<DiaryEventKind>(k)));
    events_->setItemDelegateForColumn(1, new DiaryKindDelegate(kinds, events_));
    for (const DiaryNight& night : diary.nights) {
        nights_->insertRow(nights_->rowCount());
        SetNightRow(nights_->rowCount() - 1, night);
    }
    for (const DiaryEvent& event : diary.events) {
        events_->insertRow(events_->rowCount());
        SetEventRow(events_->rowCount() - 1, event);
    }

    auto* addNight = new QPushButton(Text("IDS_DIARY_ADD_NIGHT"), this);
    auto* addEvent = new QPushButton(Text("IDS_DIARY_ADD_EVENT"), this);
    auto* remove = new QPushButton(Text("IDS_DIARY_REMOVE"), this);
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
    grid->addWidget(new QLabel(Text("IDS_DIARY_NIGHTS"), this), 0, 0);
    grid->addWidget(new QLabel(Text("IDS_DIARY_EVENTS"), this), 0, 1);
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
    setTabOrder(nights_, events_);
    setTabOrder(events_, addNight);
    setTabOrder(addNight, addEvent);
    setTabOrder(addEvent, remove);
    nights_->setFocus();
    resize(820, 420);
}

void DiaryDialog::SetNightRow(int row, const DiaryNight& night) {
    nights_->setItem(row, 0, Cell(DateOf(night.date)));
    nights_->setItem(row, 1, Cell(ClockOf(night.bedMinute)));
    nights_->setItem(row, 2, Cell(ClockOf(night.upMinute)));
}

void DiaryDialog::SetEventRow(int row, const DiaryEvent& event) {
    const ClockTime& t = event.time;
    events_->setItem(
        row, 0, Cell(QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute), Qt::UTC)));
    auto* kind = Cell(Text(DiaryKindTextKey(event.kind)));
    kind->setData(Qt::UserRole, static_cast<int>(event.kind));
    events_->setItem(row, 1, kind);
    events_->setItem(row, 2, Cell(QString::fromStdString(event.text)));
}

std::vector<DiaryNight> DiaryDialog::Nights() const {
    std::vector<DiaryNight> nights;
    for (int row = 0; row < nights_->rowCount(); ++row) {
        const QDate date = Value(nights_, row, 0).toDate();
        nights.push_back({{date.year(), date.month(), date.day()},
                          MinuteOf(Value(nights_, row, 1).toTime()),
                          MinuteOf(Value(nights_, row, 2).toTime())});
    }
    return nights;
}

std::vector<DiaryEvent> DiaryDialog::Events() const {
    std::vector<DiaryEvent> events;
    for (int row = 0; row < events_->rowCount(); ++row) {
        const QDateTime when = Value(events_, row, 0).toDateTime();
        const QDate d = when.date();
        const QTime t = when.time();
        const int kind = Value(events_, row, 1, Qt::UserRole).toInt();
        events.push_back({{d.year(), d.month(), d.day(), t.hour(), t.minute()},
                          kind >= 0 && kind < kDiaryEventKinds ? static_cast<DiaryEventKind>(kind)
                                                               : DiaryEventKind::Other,
                          Value(events_, row, 2).toString().trimmed().toStdString()});
    }
    return events;
}

void DiaryDialog::AddNight() {
    // The evening after the last one entered, or the test's first.
    CalendarDate evening = firstEvening_;
    if (const std::vector<DiaryNight> nights = Nights(); !nights.empty()) {
        const CalendarDate& d = nights.back().date;
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

void DiaryDialog::Refuse(const DiaryNightCheck& check, const std::vector<DiaryNight>& nights) {
    const DiaryNight& night = nights[check.night];
    const auto number = static_cast<int>(check.night) + 1;
    const auto other = static_cast<int>(check.other) + 1;
    const QString clock = QLatin1String(kShownClockForm);
    QString message;
    int column = 1;
    switch (check.problem) {
        case DiaryNightProblem::TooLongInBed:
            message =
                Text("IDS_DIARY_LONG_NIGHT")
                    .arg(number)
                    .arg(ClockOf(night.bedMinute).toString(clock),
                         ClockOf(night.upMinute).toString(clock), HoursText(MinutesInBed(night)));
            break;
        case DiaryNightProblem::SameEvening:
            message = Text("IDS_DIARY_SAME_EVENING")
                          .arg(number)
                          .arg(DateOf(night.date).toString(QLatin1String(kShownDateForm)))
                          .arg(other);
            column = 0;
            break;
        case DiaryNightProblem::Overlapping:
        case DiaryNightProblem::None:
            message = Text("IDS_DIARY_OVERLAP").arg(number).arg(other);
    }
    error_->setText(message);
    nights_->setCurrentCell(static_cast<int>(check.night), column);
    nights_->setFocus();
}

std::optional<Diary> DiaryDialog::Result() {
    Diary diary;
    diary.kept = accepted_.kept;  // lines this program does not understand stay as they were
    diary.nights = Nights();
    if (const DiaryNightCheck check = CheckDiaryNights(diary.nights); !check.ok()) {
        Refuse(check, diary.nights);
        return std::nullopt;
    }
    diary.events = Events();
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
