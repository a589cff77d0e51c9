#include "views/TrendCurves.h"

#include <algorithm>
#include <cmath>

namespace vitalis {
namespace {

// The counting readings in time order: the curves run through them.
std::vector<TrendRow> CountingInTimeOrder(const std::vector<TrendRow>& rows) {
    std::vector<TrendRow> counting;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(counting),
                 [](const TrendRow& row) { return row.valid; });
    const auto earlier = [](const TrendRow& a, const TrendRow& b) { return a.minute < b.minute; };
    // Readings come in time order; sorting them anyway would cost more than drawing.
    if (!std::is_sorted(counting.begin(), counting.end(), earlier))
        std::stable_sort(counting.begin(), counting.end(), earlier);
    return counting;
}

// How many of the minutes lie in the window: a zoomed-in long recording is not crowded.
double CountWithin(const TimeWindow& window, const std::vector<int64_t>& minutes) {
    const auto from = std::lower_bound(minutes.begin(), minutes.end(), window.first);
    const auto to = std::upper_bound(minutes.begin(), minutes.end(), window.last);
    return static_cast<double>(to - from);
}

// The rows of a run in the window, with the one either side that the line comes from or
// goes to: a zoomed-in long recording draws only what shows.
std::span<const TrendRow> Shown(const TimeWindow& window, std::span<const TrendRow> run) {
    const auto before = [](const TrendRow& row, int64_t minute) { return row.minute < minute; };
    const auto after = [](int64_t minute, const TrendRow& row) { return minute < row.minute; };
    auto from = std::lower_bound(run.begin(), run.end(), window.first, before);
    auto to = std::upper_bound(run.begin(), run.end(), window.last, after);
    if (from == run.end() || to == run.begin()) return {};  // all before or all after
    if (from != run.begin()) --from;
    if (to != run.end()) ++to;
    return run.subspan(static_cast<size_t>(from - run.begin()), static_cast<size_t>(to - from));
}

template <typename Value>
QPolygonF Points(const TrendLayout& layout, const ValueRange& range, std::span<const TrendRow> rows,
                 Value value) {
    QPolygonF points;
    points.reserve(static_cast<int>(rows.size()));
    for (const TrendRow& row : rows) {
        points.append({layout.XOf(row.minute),
                       ValueToY(range, value(row), layout.plot.top(), layout.plot.bottom())});
    }
    return ReduceToColumns(points);
}

QPolygonF ThresholdPolyline(const TrendLayout& layout, const ValueRange& range,
                            const Recording& recording, const std::vector<int64_t>& minutes,
                            ThresholdValues values) {
    QPolygonF line;
    for (const ThresholdPoint& point :
         ThresholdLine(minutes, layout.window.first, layout.window.last, recording.asleepStart,
                       recording.awakeStart, values)) {
        line.append({layout.XOf(point.minute),
                     ValueToY(range, point.value, layout.plot.top(), layout.plot.bottom())});
    }
    return line;
}

// The y of the polyline at x, between the points either side of it.
double YAt(const QPolygonF& line, int after, double x) {
    const QPointF& a = line[after - 1];
    const QPointF& b = line[after];
    if (b.x() <= a.x()) return b.y();
    return a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x());
}

// The part of the polyline from x0 to x1, with points at both ends.
QPolygonF CutTo(const QPolygonF& line, double x0, double x1) {
    const auto byX = [](const QPointF& p, double x) { return p.x() < x; };
    const int from =
        static_cast<int>(std::lower_bound(line.begin(), line.end(), x0, byX) - line.begin());
    const int to =
        static_cast<int>(std::lower_bound(line.begin(), line.end(), x1, byX) - line.begin());
    QPolygonF cut;
    cut.reserve(to - from + 2);
    cut.append({x0, from == 0 ? line[0].y() : YAt(line, from, x0)});
    for (int i = from; i < to; ++i) {
        if (line[i].x() > x0) cut.append(line[i]);
    }
    cut.append({x1, to >= line.size() ? line.last().y() : YAt(line, std::max(to, 1), x1)});
    return cut;
}

// The cut curve held at `level` wherever `side` says it lies beyond it, with a point where it
// crosses the level; nothing when it never leaves the level on that side.
template <typename Side>
QPolygonF Held(const QPolygonF& cut, double level, Side side) {
    QPolygonF held;
    held.reserve(cut.size() + 8);
    bool reaches = false;
    for (int i = 0; i < cut.size(); ++i) {
        const QPointF& p = cut[i];
        if (i > 0) {
            const QPointF& q = cut[i - 1];
            if ((q.y() - level) * (p.y() - level) < 0) {
                const double x = q.x() + (p.x() - q.x()) * (level - q.y()) / (p.y() - q.y());
                held.append({x, level});
            }
        }
        const bool out = side(p.y(), level);
        reaches = reaches || (out && p.y() != level);
        held.append({p.x(), out ? p.y() : level});
    }
    if (!reaches) return {};
    held.append({cut.last().x(), level});
    held.append({cut.first().x(), level});
    return held;
}

// The bars of a crowded line: in each column whose middle lies within a span, from the level
// to the farthest the line reaches on either side of it.
void AddBars(const std::vector<ColumnStroke>& columns, const std::vector<LimitSpan>& spans,
             Shading& shading) {
    const auto beforeMiddle = [](const ColumnStroke& c, double x) { return c.x + 0.5 < x; };
    for (const LimitSpan& span : spans) {
        auto c = std::lower_bound(columns.begin(), columns.end(), span.x0, beforeMiddle);
        for (; c != columns.end() && c->x + 0.5 < span.x1; ++c) {
            // y grows downwards: above the level is a smaller y.
            const int x = static_cast<int>(c->x);
            const int top = qRound(c->top);
            const int level = qRound(span.y);
            const int bottom = qRound(c->bottom);
            if (top < level) shading.aboveBars.emplace_back(x, top, 1, level - top);
            if (bottom > level) shading.belowBars.emplace_back(x, level, 1, bottom - level);
        }
    }
}

}  // namespace

void AddShading(const CurveLine& line, const std::vector<LimitSpan>& spans, Shading& shading) {
    if (!line.columns.empty()) return AddBars(line.columns, spans, shading);
    const QPolygonF& curve = line.points;
    if (curve.size() < 2) return;
    for (const LimitSpan& span : spans) {
        const double x0 = std::max(span.x0, curve.first().x());
        const double x1 = std::min(span.x1, curve.last().x());
        if (x1 <= x0) continue;
        const QPolygonF cut = CutTo(curve, x0, x1);
        // y grows downwards: above the level is a smaller y.
        QPolygonF above = Held(cut, span.y, [](double y, double level) { return y <= level; });
        QPolygonF below = Held(cut, span.y, [](double y, double level) { return y >= level; });
        if (!above.isEmpty()) shading.above.push_back(std::move(above));
        if (!below.isEmpty()) shading.below.push_back(std::move(below));
    }
}

std::vector<ColumnStroke> ColumnStrokes(const QPolygonF& line) {
    std::vector<ColumnStroke> strokes;
    if (line.size() < 2) return strokes;
    const auto reach = [](ColumnStroke& stroke, double y) {
        stroke.top = std::min(stroke.top, y);
        stroke.bottom = std::max(stroke.bottom, y);
    };
    for (int i = 0; i < line.size(); ++i) {
        const QPointF& p = line[i];
        const double column = std::floor(p.x());
        if (!strokes.empty() && column == strokes.back().x) {
            reach(strokes.back(), p.y());
            continue;
        }
        if (!strokes.empty() && column != strokes.back().x + 1) return {};
        strokes.push_back({column, p.y(), p.y()});
        if (i == 0) continue;
        // Both columns take the height at which the segment between them crosses their edge.
        const QPointF& q = line[i - 1];
        const double edge = q.y() + (p.y() - q.y()) * (column - q.x()) / (p.x() - q.x());
        reach(strokes[strokes.size() - 2], edge);
        reach(strokes.back(), edge);
    }
    return strokes;
}

QPolygonF ReduceToColumns(const QPolygonF& line) {
    if (line.size() < 8) return line;
    const double columns = line.last().x() - line.first().x() + 1;
    if (line.size() <= 2 * columns) return line;
    QPolygonF reduced;
    int i = 0;
    while (i < line.size()) {
        const double column = std::floor(line[i].x());
        int last = i;
        int low = i;
        int high = i;
        while (last + 1 < line.size() && std::floor(line[last + 1].x()) == column) {
            ++last;
            if (line[last].y() > line[low].y()) low = last;
            if (line[last].y() < line[high].y()) high = last;
        }
        // A column drawn from its lowest to its highest point shows every reading in it.
        reduced.append(line[std::min(low, high)]);
        if (low != high) reduced.append(line[std::max(low, high)]);
        i = last + 1;
    }
    return reduced;
}

std::vector<LimitSpan> LimitSpans(const QPolygonF& line) {
    std::vector<LimitSpan> spans;
    for (int i = 0; i + 1 < line.size(); ++i) {
        if (line[i + 1].x() > line[i].x())
            spans.push_back({line[i].x(), line[i + 1].x(), line[i].y()});
    }
    return spans;
}

TrendCurves BuildTrendCurves(const TrendLayout& layout, const ValueRange& range,
                             const Recording& recording, const ThresholdSettings& limits,
                             const std::vector<TrendRow>& rows) {
    const std::vector<TrendRow> counting = CountingInTimeOrder(rows);
    std::vector<int64_t> minutes;
    minutes.reserve(counting.size());
    for (const TrendRow& row : counting) minutes.push_back(row.minute);
    const ReadingSchedule schedule{recording.asleepStart, recording.awakeStart,
                                   recording.schedule.awake.interval.value_or(0),
                                   recording.schedule.asleep.interval.value_or(0)};
    TrendCurves c;
    const double shown = CountWithin(layout.window, minutes);
    // A dot per reading only while dots do not run into each other.
    c.markers = shown * 6.0 * layout.unit <= layout.plot.width();
    c.dense = shown > layout.plot.width();
    const auto line = [&](std::span<const TrendRow> part, auto value) {
        CurveLine l{Points(layout, range, part, value), {}};
        if (c.dense) l.columns = ColumnStrokes(l.points);
        return l;
    };
    for (const ReadingRun& run : ContinuousRuns(minutes, schedule)) {
        const std::span<const TrendRow> part =
            Shown(layout.window, {counting.data() + run.begin, run.end - run.begin});
        if (part.empty()) continue;
        c.runs.push_back({line(part, [](const TrendRow& r) { return r.sys; }),
                          line(part, [](const TrendRow& r) { return r.dia; }),
                          line(part, [](const TrendRow& r) { return r.map; }),
                          line(part, [](const TrendRow& r) { return r.pr; })});
    }
    c.sysLimit =
        ThresholdPolyline(layout, range, recording, minutes, {limits.awakeSys, limits.asleepSys});
    c.diaLimit =
        ThresholdPolyline(layout, range, recording, minutes, {limits.awakeDia, limits.asleepDia});
    const std::vector<LimitSpan> sysSpans = LimitSpans(c.sysLimit);
    const std::vector<LimitSpan> diaSpans = LimitSpans(c.diaLimit);
    for (const CurveRun& run : c.runs) {
        AddShading(run.sys, sysSpans, c.shading);
        AddShading(run.dia, diaSpans, c.shading);
    }
    return c;
}

}  // namespace vitalis
