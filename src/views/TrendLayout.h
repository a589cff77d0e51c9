#pragma once

#include <QRect>
#include <QRectF>
#include <optional>
#include <span>

#include "analysis/TimeAxis.h"
#include "analysis/TrendRows.h"

namespace vitalis {

// Where the trend graph's parts go in an area, and which stretch of time it shows.
struct TrendLayout {
    double unit = 1.0;       // device pixels per screen pixel
    double textPixels = 11;  // the text size
    QRectF plot;             // the curves
    QRectF axisBand;         // the time axis under the plot
    TimeWindow window;
    int step = 60;  // grid step, minutes

    double XOf(int64_t minute) const;
    // The minute at x, nearest whole one.
    int64_t MinuteAt(double x) const;
};

// The layout for `rows` drawn into `area`: room for the scale on the left and the time
// axis below, the time window from the first to the last reading, or `shown` when given.
TrendLayout LayOutTrend(const QRect& area, double unit, std::span<const TrendRow> rows,
                        const std::optional<TimeWindow>& shown = std::nullopt);

}  // namespace vitalis
