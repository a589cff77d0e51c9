#pragma once

#include <QDialog>

#include <optional>

#include "case/Diary.h"
#include "case/TextSource.h"

class QLabel;
class QTableWidget;

namespace vitalis {

struct DiaryNightCheck;

// The patient's diary of the open case: a table of nights (evening, to bed, got up) and one
// of events (time, kind, note). Dates and times show in the workstation's date form and are
// edited with date and time editors (F2, a typed digit or a double click opens one, Return
// takes it). Rows are added and removed with the buttons or Insert / Delete in a table. Nights
// that cannot be meant as entered (swapped times, one evening twice, overlapping nights) keep
// the dialog open with the reason shown and the night selected.
class DiaryDialog : public QDialog {
    Q_OBJECT

  public:
    // `firstEvening` and the schedule's asleep and awake starts (minutes) fill new rows.
    DiaryDialog(const TextSource& texts, const Diary& diary, const CalendarDate& firstEvening,
                int asleepStart, int awakeStart, QWidget* parent = nullptr);

    // Nights: QDate, QTime, QTime cells. Events: a QDateTime cell, the kind (its position in
    // Qt::UserRole) and the note as text.
    QTableWidget* nightTable() const { return nights_; }
    QTableWidget* eventTable() const { return events_; }
    QLabel* errorLine() const { return error_; }
    // The diary as the tables hold it, or nothing (and the reason shown) when a night is wrong.
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
    QTableWidget* Table(const char* first, const char* second, const char* third);
    void SetNightRow(int row, const DiaryNight& night);
    void SetEventRow(int row, const DiaryEvent& event);
    std::vector<DiaryNight> Nights() const;
    std::vector<DiaryEvent> Events() const;
    void Refuse(const DiaryNightCheck& check, const std::vector<DiaryNight>& nights);
    QString Text(const char* key) const;

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
