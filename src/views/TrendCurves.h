#pragma once

#include <QPolygonF>
#include <vector>

#include "analysis/TrendScale.h"
#include "case/Recording.h"
#include "case/ThresholdSettings.h"
#include "views/TrendLayout.h"

namespace vitalis {

// A pixel column a crowded line passes through: every height from top to bottom.
struct ColumnStroke {
    double x = 0;  // the column's left edge
    double top = 0;
    double bottom = 0;
};

// One line of the curves. When readings crowd every pixel column the line crosses, it is
// also kept as one upright stroke a column: the same pixels as the polyline, which zigzags
// up and down each column and costs several times as much to draw.
struct CurveLine {
    QPolygonF points;
    std::vector<ColumnStroke> columns;  // empty unless crowded
};

// One unbroken stretch of the curves, in device coordinates.
struct CurveRun {
    CurveLine sys, dia, map, pr;
};

// A stretch of a threshold line at one height, from x0 to x1.
struct LimitSpan {
    double x0 = 0;
    double x1 = 0;
    double y = 0;
};

// The areas between a curve and its threshold level: red above the level, green below.
struct Shading {
    std::vector<QPolygonF> above, below;
    // Of crowded lines: a bar a column, from the level to the line's farthest point there.
    // One large polygon with a zigzag edge would take the rasteriser far longer to fill.
    std::vector<QRect> aboveBars, belowBars;  // whole pixels: the quick way to fill
};

// The curves and threshold lines of the trend plot, built once for a set of readings and a
// layout and then drawn as often as needed. The curves break at every gap between readings;
// when readings outnumber pixel columns each run keeps only a few points per column.
struct TrendCurves {
    std::vector<CurveRun> runs;
    QPolygonF sysLimit, diaLimit;
    Shading shading;      // of SYS and DIA, every run
    bool markers = true;  // the readings are far enough apart for a dot at each
    // More readings than pixel columns: the lines are drawn without anti-aliasing, which
    // would only blur a column of short strokes and costs most of a frame.
    bool dense = false;
};

TrendCurves BuildTrendCurves(const TrendLayout& layout, const ValueRange& range,
                             const Recording& recording, const ThresholdSettings& limits,
                             const std::vector<TrendRow>& rows);

// The points of a polyline sorted by x, reduced to the lowest and highest of each pixel column,
// in their order; a line with fewer than two points a column stays as it is.
QPolygonF ReduceToColumns(const QPolygonF& line);

// The strokes of a polyline sorted by x, when its points lie in every pixel column from the
// first to the last; each reaches halfway to its neighbours' ends, so the strokes join up
// as the line's segments would. Empty when some column has no point.
std::vector<ColumnStroke> ColumnStrokes(const QPolygonF& line);

// The level stretches of a threshold polyline whose steps are vertical.
std::vector<LimitSpan> LimitSpans(const QPolygonF& line);

// Adds the areas between `curve` (sorted by x) and each span's level to `shading`: the curve
// cut to the span, held at the level where it lies on the other side, closed along the level.
// Plain polygons, so filling them needs neither a clip nor anti-aliasing; bars for a
// crowded line.
void AddShading(const CurveLine& curve, const std::vector<LimitSpan>& spans, Shading& shading);

}  // namespace vitalis
