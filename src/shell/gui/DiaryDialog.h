#pragma once

#include <QDialog>

#include <optional>

#include "case/Diary.h"
#include "case/TextSource.h"

class QLabel;
class QTableWidget;

namespace vitalis {

// The patient's diary of the open case: a table of nights (evening, to bed, got up) and one
// of events (time, kind, note), typed in as text and checked on OK. Rows are added and
// removed with the buttons or Insert / Delete in a table; a row that does not read as a time
// keeps the dialog open with the reason shown and the cell selected.
class DiaryDialog : public QDialog {
    Q_OBJECT

  public:
    // `firstEvening` and the schedule's asleep and awake starts (minutes) fill new rows.
    DiaryDialog(const TextSource& texts, const Diary& diary, const CalendarDate& firstEvening,
                int asleepStart, int awakeStart, QWidget* parent = nullptr);

    QTableWidget* nightTable() const { return nights_; }
    QTableWidget* eventTable() const { return events_; }
    QLabel* errorLine() const { return error_; }
    // The diary as the tables hold it, or nothing (and the reason shown) when a row is wrong.
    std::optional<Diary> Result();
    // What OK accepted.
    const Diary& diary() const { return accepted_; }

    void AddNight();
    void AddEvent();
    void RemoveRow();
    void accept() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SetNightRow(int row, const DiaryNight& night);
    void SetEventRow(int row, const DiaryEvent& event);
    void Refuse(QTableWidget* table, int row, int column, const char* key);

    const TextSource& texts_;
    QTableWidget* nights_ = nullptr;
    QTableWidget* events_ = nullptr;
    QLabel* error_ = nullptr;
    Diary accepted_;
    CalendarDate firstEvening_;
    int asleepStart_ = 0;
    int awakeStart_ = 0;
};

}  // namespace vitalis
