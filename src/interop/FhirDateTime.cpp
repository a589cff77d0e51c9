#include "interop/FhirDateTime.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace vitalis::fhir {

int LocalOffsetMinutes(const ClockTime& time) {
    std::tm local{};
    local.tm_year = time.year - 1900;
    local.tm_mon = time.month - 1;
    local.tm_mday = time.day;
    local.tm_hour = time.hour;
    local.tm_min = time.minute;
    local.tm_isdst = -1;  // the zone's rules decide whether summer time applies
    const std::time_t instant = std::mktime(&local);
    std::tm back{};
    if (instant == static_cast<std::time_t>(-1) || !localtime_r(&instant, &back)) return 0;
    return static_cast<int>(back.tm_gmtoff / 60);
}

std::optional<std::string> LocalDateTime(const ClockTime& time) {
    if (!IsValidClockTime(time)) return std::nullopt;
    const int offset = LocalOffsetMinutes(time);
    const int size = std::abs(offset);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:00%c%02d:%02d", time.year,
                  time.month, time.day, time.hour, time.minute, offset < 0 ? '-' : '+', size / 60,
                  size % 60);
    return std::string(text);
}

}  // namespace vitalis::fhir
