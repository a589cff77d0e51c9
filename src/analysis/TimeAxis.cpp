#include "analysis/TimeAxis.h"

#include <algorithm>
#include <cstdio>

#include "case/ReadingColumns.h"

namespace vitalis {
namespace {

int64_t FloorTo(int64_t value, int64_t step) {
    const int64_t r = value % step;
    return r < 0 ? value - r - step : value - r;
}

}  // namespace

TimeWindow WindowAround(int64_t firstMinute, int64_t lastMinute, int step) {
    if (step <= 0) return {firstMinute, std::max(lastMinute, firstMinute + 60)};
    const int64_t first = FloorTo(firstMinute, step);
    int64_t last = FloorTo(lastMinute, step);
    if (last < lastMinute || last == first) last += step;
    return {first, last};
}

std::vector<TimeTick> TimeTicks(const TimeWindow& window, int step, int hourLabelEvery,
                                size_t maxTicks) {
    std::vector<TimeTick> ticks;
    if (step <= 0 || window.Span() < 0) return ticks;
    if (static_cast<size_t>(window.Span() / step) + 1 > maxTicks) return ticks;
    if (hourLabelEvery < 1) hourLabelEvery = 1;
    int64_t minute = FloorTo(window.first, step);
    if (minute < window.first) minute += step;
    for (; minute <= window.last; minute += step) {
        const ClockTime clock = ClockTimeFromMinutes(minute);
        TimeTick tick;
        tick.minute = minute;
        if (clock.minute == 0) {
            tick.length = TickLength::Long;
            if (clock.hour % hourLabelEvery == 0) tick.hour = clock.hour;
            if (clock.hour == 0) tick.date = ShownDate(clock);
        } else if (clock.minute == 30) {
            tick.length = TickLength::Medium;
        }
        ticks.push_back(std::move(tick));
    }
    return ticks;
}

int HourLabelEvery(double pixelsPerHour, double minSpacing) {
    for (const int every : {1, 2, 3, 4, 6}) {
        if (pixelsPerHour * every >= minSpacing) return every;
    }
    return 12;
}

}  // namespace vitalis
