#pragma once

#include <QPainter>
#include <QPoint>
#include <QString>
#include <cstdint>

#include "case/Recording.h"
#include "case/TextSource.h"
#include "views/TrendLayout.h"

namespace vitalis {

// The diary's events on the trend: a small blue diamond on the time axis at each event's
// time, with its kind and note as the tooltip of the diamond.
inline const QColor kDiaryMarkerBlue{40, 90, 200};

void DrawDiaryMarkers(QPainter& painter, const TrendLayout& layout, const Recording& recording);

// "Medication: 5 mg" for each event whose diamond lies within reach of `point`, one a line;
// empty when none does.
QString DiaryMarkerTip(const QPoint& point, const TrendLayout& layout, const Recording& recording,
                       const TextSource& texts);

// What the markers depend on, for the trend's check whether to paint anew.
int64_t DiaryMarkersKey(const Recording& recording);

}  // namespace vitalis
