#pragma once

#include <optional>

#include "case/AnalysisResults.h"

namespace vitalis {

// A straight piece in value space: x is SYS, y is DIA (mmHg).
struct ValueSegment {
    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
};

// The value box the correlation chart spans.
struct ValueBox {
    double xMin = 0.0, yMin = 0.0, xMax = 250.0, yMax = 200.0;
};

// The part of `segment` inside `box` (edges included); nothing when it misses the box.
std::optional<ValueSegment> ClipToBox(const ValueSegment& segment, const ValueBox& box);

// The two regression lines across the chart, clipped to it: DIA on SYS from SYS 0 to 250,
// SYS on DIA from DIA 0 to 200. A line the analysis could not fit (slope and intercept both
// 0: constant values) is not drawn rather than drawn along an axis.
std::optional<ValueSegment> DiaOnSysLine(const CorrelationData& data, const ValueBox& box = {});
std::optional<ValueSegment> SysOnDiaLine(const CorrelationData& data, const ValueBox& box = {});

}  // namespace vitalis
