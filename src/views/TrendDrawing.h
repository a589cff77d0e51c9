#pragma once

#include <QColor>
#include <QPolygonF>
#include <QString>
#include <span>
#include <vector>

#include "analysis/ChartTexts.h"
#include "analysis/TrendScale.h"
#include "views/TrendCurves.h"
#include "views/TrendLayout.h"

class QPainter;
class QFontMetricsF;

namespace vitalis::trend {

// The parts of the trend graph, each drawn on its own so that the painter reads as the
// order in which they are laid over each other.

// Grey lines at the labelled pressures and at the full hours.
void DrawGrid(QPainter& painter, const TrendLayout& layout, const ValueRange& range);

// Red where the curves lie above their threshold level, green where below. The areas are
// filled without anti-aliasing: their edges lie under the curves and threshold lines.
void DrawShading(QPainter& painter, const Shading& shading);

// A raster target painted pixel for pixel, where small images may stand in for shapes;
// printers and PDF pages get the shapes themselves.
bool IsRaster(const QPainter& painter);

// A polyline through the readings' points, or a crowded line's strokes; `markers` adds a dot
// at every reading.
void DrawCurve(QPainter& painter, const TrendLayout& layout, const CurveLine& line,
               const QColor& colour, bool markers);

void DrawThresholdLine(QPainter& painter, const TrendLayout& layout, const QPolygonF& line);

// An excluded reading: a grey dashed bar from its DIA to its SYS, crossed at both ends.
struct ExcludedMark {
    QPointF sys, dia;
};
void DrawExcluded(QPainter& painter, const TrendLayout& layout,
                  const std::vector<ExcludedMark>& marks);

// Labels and caption of the pressure scale at the left of the plot.
void DrawValueScale(QPainter& painter, const TrendLayout& layout, const ValueRange& range,
                    const QString& caption);

// A label of the time axis and the box its text takes.
struct AxisLabel {
    QString text;
    QRectF box;
};

// The hour and date labels under the plot, measured with `metrics`: every label that fits
// beside the one before it in its row, so that no two ever overlap; dates at midnight.
std::vector<AxisLabel> TimeAxisLabels(const TrendLayout& layout, const QFontMetricsF& metrics);

// Ticks, hour and date labels and the caption of the time axis under the plot.
void DrawTimeAxis(QPainter& painter, const TrendLayout& layout, const QString& caption);

// The grey box with the lines of the reading at `anchor`, kept inside `area`.
void DrawInfoBox(QPainter& painter, const TrendLayout& layout, const QRect& area, QPointF anchor,
                 const std::vector<LabelledValue>& lines);

// A recording without a single reading to plot: an empty frame saying so, and no time axis,
// which would have no time to start from.
void DrawNoReadings(QPainter& painter, const TrendLayout& layout, const QRect& area,
                    const QString& text);

}  // namespace vitalis::trend
