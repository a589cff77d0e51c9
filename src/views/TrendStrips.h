#pragma once

#include <QColor>
#include <vector>

#include "analysis/TrendRows.h"
#include "analysis/TrendScale.h"
#include "views/TrendCurves.h"
#include "views/TrendLayout.h"

class QPainter;

namespace vitalis::trend {

// The colour of a reading's strip.
inline const QColor kStripBlue{70, 120, 180};

// The strip graph of the trend page: the threshold lines, one vertical strip from DIA to SYS
// per valid reading, and the pulse rate as the line graph draws it. Excluded readings keep
// their own marks, drawn by the caller as on the line graph.
void DrawStrips(QPainter& painter, const TrendLayout& layout, const ValueRange& range,
                const std::vector<TrendRow>& rows, const TrendCurves& curves);

}  // namespace vitalis::trend
