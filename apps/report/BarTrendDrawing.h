#pragma once

#include <QRect>
#include <optional>

#include "analysis/TimeAxis.h"
#include "case/Recording.h"
#include "case/TextSource.h"
#include "case/ThresholdSettings.h"

class QPainter;

namespace vitalis::report {

// The bar trend graph of the printed report: one vertical bar from DIA to SYS per reading
// (grey when excluded), a dot for the pulse rate, and the awake and asleep thresholds, with
// axis titles, the date at the start and at every midnight, and a legend under the graph.
// `window` limits it to a stretch of time (a printed day); nothing shows every reading.
void DrawBarTrend(QPainter& painter, const QRect& area, const Recording& recording,
                  const ThresholdSettings& thresholds, const TextSource& texts,
                  const std::optional<TimeWindow>& window = std::nullopt);

}  // namespace vitalis::report
