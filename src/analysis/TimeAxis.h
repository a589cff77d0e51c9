#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "case/CalendarTime.h"

namespace vitalis {

// The stretch of time the trend graph shows, in minutes since 1970-01-01 00:00.
struct TimeWindow {
    int64_t first = 0;
    int64_t last = 60;
    int64_t Span() const { return last - first; }
};

// From the grid line at or before the first reading to the one at or after the last; never
// shorter than one step, so a single reading still gets an axis.
TimeWindow WindowAround(int64_t firstMinute, int64_t lastMinute, int step);

// Full hours get the longest tick, half hours the middle one, the rest the shortest.
enum class TickLength { Short, Medium, Long };

struct TimeTick {
    int64_t minute = 0;
    TickLength length = TickLength::Short;
    std::optional<int> hour;  // written under full-hour ticks
    std::string date;         // written under midnight ticks
};

// The ticks at every `step` minutes (counted from midnight) inside the window. Hours are
// written at every `hourLabelEvery`-th hour, so labels never run into each other on a
// narrow graph. A step of 0 or less gives no ticks, and a window needing more than
// `maxTicks` ticks gives none.
std::vector<TimeTick> TimeTicks(const TimeWindow& window, int step, int hourLabelEvery = 1,
                                size_t maxTicks = 5000);

// Recordings of many days are labelled only with their first and last date; hour labels
// would be too dense to read at steps of six hours or more.
inline bool UsesDateOnlyAxis(int step) {
    return step >= 360;
}

// Every how many hours to write an hour label so that labels stay `minSpacing` apart when
// an hour is `pixelsPerHour` wide: 1, 2, 3, 4, 6 or 12.
int HourLabelEvery(double pixelsPerHour, double minSpacing);

}  // namespace vitalis
