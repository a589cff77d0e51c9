#include "analysis/TrendRows.h"

#include <algorithm>
#include <cmath>

#include "analysis/PeriodDivision.h"

namespace vitalis {
namespace {

int MinuteOfDayOf(int64_t minute) {
    const int64_t inDay = minute % 1440;
    return static_cast<int>(inDay < 0 ? inDay + 1440 : inDay);
}

int ValueAt(int64_t minute, int asleepStart, int awakeStart, ThresholdValues values) {
    return IsAsleepMinute(asleepStart, awakeStart, MinuteOfDayOf(minute)) ? values.asleep
                                                                          : values.awake;
}

}  // namespace

std::vector<TrendRow> BuildTrendRows(const Recording& recording) {
    std::vector<TrendRow> rows;
    const std::vector<Measurement>& all = recording.allMeasurements();
    rows.reserve(all.size());
    for (size_t i = 0; i < all.size(); ++i) {
        const Measurement& m = all[i];
        if (!IsPlausible(m)) continue;
        TrendRow row;
        row.position = static_cast<int>(i);
        row.number = m.index + 1;
        row.clock = m.Clock();
        row.minute = MinutesOf(row.clock);
        row.sys = m.sys;
        row.dia = m.dia;
        row.pr = m.pr;
        row.map = m.map;
        row.comment = m.remark;
        row.valid = m.valid == 1;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<size_t> NearestRow(std::span<const double> rowXs, double x, double reach) {
    std::optional<size_t> nearest;
    double best = reach;
    for (size_t i = 0; i < rowXs.size(); ++i) {
        const double distance = std::abs(rowXs[i] - x);
        if (distance <= best) {
            best = distance;
            nearest = i;
        }
    }
    return nearest;
}

std::vector<ThresholdPoint> ThresholdLine(std::span<const int64_t> minutes, int64_t windowFirst,
                                          int64_t windowLast, int asleepStart, int awakeStart,
                                          ThresholdValues values) {
    std::vector<ThresholdPoint> line;
    if (minutes.empty()) return line;
    auto valueAt = [&](int64_t minute) { return ValueAt(minute, asleepStart, awakeStart, values); };
    line.push_back({std::min(windowFirst, minutes.front()), valueAt(minutes.front())});
    for (size_t i = 1; i < minutes.size(); ++i) {
        const int before = line.back().value;
        const int after = valueAt(minutes[i]);
        if (after == before) continue;
        // The first minute of the new period, looked for no further than a day on.
        int64_t step = minutes[i];
        for (int64_t m = minutes[i - 1] + 1; m < minutes[i] && m <= minutes[i - 1] + 1440; ++m) {
            if (valueAt(m) == after) {
                step = m;
                break;
            }
        }
        line.push_back({step, before});
        line.push_back({step, after});
    }
    line.push_back({std::max(windowLast, minutes.back()), line.back().value});
    return line;
}

namespace {

int IntervalAt(int64_t minute, const ReadingSchedule& s) {
    return IsAsleepMinute(s.asleepStart, s.awakeStart, MinuteOfDayOf(minute)) ? s.asleepInterval
                                                                              : s.awakeInterval;
}

}  // namespace

bool IsGap(int64_t before, int64_t after, const ReadingSchedule& schedule) {
    constexpr int64_t kLongest = 120;
    const int interval = std::max(IntervalAt(before, schedule), IntervalAt(after, schedule));
    const int64_t limit = interval > 0 ? std::min<int64_t>(kLongest, 2LL * interval) : kLongest;
    return after - before > limit;
}

std::vector<ReadingRun> ContinuousRuns(std::span<const int64_t> minutes,
                                       const ReadingSchedule& schedule) {
    std::vector<ReadingRun> runs;
    if (minutes.empty()) return runs;
    size_t begin = 0;
    for (size_t i = 1; i < minutes.size(); ++i) {
        if (!IsGap(minutes[i - 1], minutes[i], schedule)) continue;
        runs.push_back({begin, i});
        begin = i;
    }
    runs.push_back({begin, minutes.size()});
    return runs;
}

std::vector<FailedReading> BuildFailedReadings(const Recording& recording) {
    std::vector<FailedReading> failed;
    const std::vector<Measurement>& all = recording.allMeasurements();
    for (size_t i = 0; i < all.size(); ++i) {
        const Measurement& m = all[i];
        if (IsPlausible(m) || !IsValidClockTime(m.Clock())) continue;
        failed.push_back({static_cast<int>(i), m.Clock(), MinutesOf(m.Clock()), m.status});
    }
    std::stable_sort(
        failed.begin(), failed.end(),
        [](const FailedReading& a, const FailedReading& b) { return a.minute < b.minute; });
    return failed;
}

}  // namespace vitalis
