#pragma once

#include <array>
#include <optional>

namespace vitalis {

// A time of day as a monitor keeps it: hour and minute, each in a byte of its own.
struct DayTime {
    int hour = 0;
    int minute = 0;

    int minutes() const { return hour * 60 + minute; }  // after midnight
    static DayTime FromMinutes(int minutes) { return {minutes / 60, minutes % 60}; }
    bool operator==(const DayTime&) const = default;
};

// One period of the programme: when it starts and how often it takes a reading. No
// interval means the period takes no readings at all.
struct ScheduledPeriod {
    DayTime start;
    std::optional<int> interval;  // minutes between readings
    bool operator==(const ScheduledPeriod&) const = default;
};

// A stretch of the day with readings of its own interval, which may run over midnight.
struct SpecialPeriod {
    DayTime start;
    DayTime end;
    int interval = 0;  // minutes between readings
    bool operator==(const SpecialPeriod&) const = default;
};

// How a monitor takes its readings: the awake period runs from its start to the asleep
// start and the asleep period back to the awake start; a special period, when there is one,
// overrides both. "None" is always an empty optional: an interval that takes no readings,
// a special period that was not programmed or that the monitor does not report.
struct MonitorSchedule {
    ScheduledPeriod awake{{7, 0}, 15};
    ScheduledPeriod asleep{{22, 0}, 30};
    std::optional<SpecialPeriod> special;
    bool operator==(const MonitorSchedule&) const = default;
};

// The eleven schedule bytes in the order the monitors send and take them and the case file
// stores them: awake hour, minute, interval; asleep hour, minute, interval; special start
// hour, minute, interval, end hour, minute. 0xFF stands for none in every one of them.
using ScheduleBytes = std::array<int, 11>;
inline constexpr int kNoneByte = 0xFF;

// An interval of 0 or 0xFF takes no readings. A special period is there only when its
// start, its end and its interval are all given.
MonitorSchedule ScheduleFromBytes(const ScheduleBytes& bytes);
// Times as they are, none as 0xFF; an interval below 1 minute is none. A value that does not
// fit a byte is passed on for the caller to refuse.
ScheduleBytes ScheduleToBytes(const MonitorSchedule& schedule);

// An interval byte as minutes; nothing for 0 and 0xFF.
std::optional<int> IntervalFromByte(int byte);
// Minutes as the interval byte; 0xFF for none and for anything below 1.
int IntervalByte(const std::optional<int>& minutes);

}  // namespace vitalis
