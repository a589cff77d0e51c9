#include "case/CalendarTime.h"

#include <cstdio>
#include <ctime>

namespace vitalis {

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

bool IsValidDate(int year, int month, int day) {
    return year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

bool IsValidClockTime(const ClockTime& t) {
    return IsValidDate(t.year, t.month, t.day) && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 &&
           t.minute <= 59;
}

// Howard Hinnant's days_from_civil / civil_from_days.
int64_t DaysFromCivil(int year, int month, int day) {
    const int64_t y = static_cast<int64_t>(year) - (month <= 2 ? 1 : 0);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t mp = (month + 9) % 12;
    const int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CalendarDate CivilFromDays(int64_t days) {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t doe = days - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

int64_t MinutesOf(const ClockTime& t) {
    return DaysFromCivil(t.year, t.month, t.day) * 1440 + t.hour * 60 + t.minute;
}

ClockTime ClockTimeFromMinutes(int64_t minutes) {
    int64_t days = minutes / 1440;
    int64_t rest = minutes % 1440;
    if (rest < 0) {
        rest += 1440;
        --days;
    }
    const CalendarDate date = CivilFromDays(days);
    return {date.year, date.month, date.day, static_cast<int>(rest / 60),
            static_cast<int>(rest % 60)};
}

ClockTime AddMinutes(const ClockTime& time, int64_t minutes) {
    return ClockTimeFromMinutes(MinutesOf(time) + minutes);
}

LocalTime Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min},
            local.tm_sec};
}

CalendarDate Today() {
    const ClockTime clock = Now().clock;
    return {clock.year, clock.month, clock.day};
}

std::string ShownDate(int year, int month, int day) {
    char text[48];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d", day, month, year);
    return text;
}

std::string ShownDate(const ClockTime& time) {
    return ShownDate(time.year, time.month, time.day);
}

std::string ShownClock(int hour, int minute) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
}

std::string ShownClockOfMinute(int minuteOfDay) {
    const int minute = (minuteOfDay % 1440 + 1440) % 1440;
    return ShownClock(minute / 60, minute % 60);
}

}  // namespace vitalis
