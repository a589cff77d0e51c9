#pragma once

#include <QRect>

#include "case/Recording.h"
#include "case/TextSource.h"
#include "case/ThresholdSettings.h"

class QPainter;

namespace vitalis::report {

// The bar trend graph of the printed report: one vertical bar from DIA to SYS per reading
// (grey when excluded), a dot for the pulse rate, and the awake and asleep thresholds.
void DrawBarTrend(QPainter& painter, const QRect& area, const Recording& recording,
                  const ThresholdSettings& thresholds, const TextSource& texts);

}  // namespace vitalis::report
