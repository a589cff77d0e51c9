#pragma once

#include <cstdint>
#include <string>

namespace vitalis {

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const CalendarDate&) const = default;
};

// A clock time to the minute, as the monitor and the case file keep it.
struct ClockTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    bool operator==(const ClockTime&) const = default;
};

// Years 100 to 9999, like the date type the case files were first written with.
bool IsValidDate(int year, int month, int day);
bool IsValidClockTime(const ClockTime& time);
int DaysInMonth(int year, int month);

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
int64_t DaysFromCivil(int year, int month, int day);
CalendarDate CivilFromDays(int64_t days);

// Minutes since 1970-01-01 00:00 of a clock time, and back.
int64_t MinutesOf(const ClockTime& time);
ClockTime ClockTimeFromMinutes(int64_t minutes);
ClockTime AddMinutes(const ClockTime& time, int64_t minutes);

// The one way the program shows dates and clock times, so that list, graph, report, dialogs
// and copies agree: "03-05-2026" and "07:30". A minute of the day wraps at midnight.
std::string ShownDate(int year, int month, int day);
std::string ShownDate(const ClockTime& time);
std::string ShownClock(int hour, int minute);
std::string ShownClockOfMinute(int minuteOfDay);

// The computer's local date and time.
CalendarDate Today();
struct LocalTime {
    ClockTime clock;
    int second = 0;
};
LocalTime Now();

}  // namespace vitalis
