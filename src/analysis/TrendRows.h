#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "case/Recording.h"

namespace vitalis {

// One reading as the trend graph shows it. Failed readings have no values to plot and so
// get no row; excluded ones do, so that a click can take them back in.
struct TrendRow {
    int position = 0;  // in the recording's allMeasurements, for toggling the mark
    int number = 0;    // as the clinician counts readings: from 1
    ClockTime clock;
    int64_t minute = 0;  // minutes since 1970-01-01 00:00, the graph's x
    int sys = 0;
    int dia = 0;
    int pr = 0;
    int map = 0;
    std::string comment;
    bool valid = false;
};

std::vector<TrendRow> BuildTrendRows(const Recording& recording);

// The row whose x lies nearest to `x` and no farther than `reach`; nothing when none does.
std::optional<size_t> NearestRow(std::span<const double> rowXs, double x, double reach = 20.0);

// A point of a threshold line: from `minute` on, the line stands at `value`.
struct ThresholdPoint {
    int64_t minute = 0;
    int value = 0;
    bool operator==(const ThresholdPoint&) const = default;
};

// The threshold line over the sorted reading times `minutes` and the window ends: the asleep
// value while the clock time lies in the asleep period, the awake value elsewhere. Where the
// period changes between two readings the line steps straight up or down at the first
// minute of the new period, so the shading follows the period and not the spacing of the
// readings.
struct ThresholdValues {
    int awake = 0;
    int asleep = 0;
};
std::vector<ThresholdPoint> ThresholdLine(std::span<const int64_t> minutes, int64_t windowFirst,
                                          int64_t windowLast, int asleepStart, int awakeStart,
                                          ThresholdValues values);

// Readings that belong to one stretch of the curve, [begin, end) in time order.
struct ReadingRun {
    size_t begin = 0;
    size_t end = 0;
    bool operator==(const ReadingRun&) const = default;
};

// The programmed intervals of a recording and where its periods start, as the gap rule needs.
struct ReadingSchedule {
    int asleepStart = 0;  // minute of the day
    int awakeStart = 0;
    int awakeInterval = 0;  // minutes; 0 when not programmed
    int asleepInterval = 0;
};

// Two readings farther apart than twice the programmed interval of their period (the longer
// one when they lie in different periods), or than two hours, leave a gap: the curve must not
// bridge it. Without a programmed interval only the two hours count.
bool IsGap(int64_t before, int64_t after, const ReadingSchedule& schedule);

// The sorted reading times `minutes` cut into runs at every gap.
std::vector<ReadingRun> ContinuousRuns(std::span<const int64_t> minutes,
                                       const ReadingSchedule& schedule);

// A reading the monitor could not take, at its time on the time axis.
struct FailedReading {
    int position = 0;  // in the recording's allMeasurements
    ClockTime clock;
    int64_t minute = 0;
    int status = 0;
};

// The readings without values to plot but with a real clock time, in time order.
std::vector<FailedReading> BuildFailedReadings(const Recording& recording);

}  // namespace vitalis
