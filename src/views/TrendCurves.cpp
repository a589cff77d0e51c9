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

}  // namespace

void AddShading(const QPolygonF& curve, const std::vector<LimitSpan>& spans, Shading& shading) {
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
    for (const ReadingRun& run : ContinuousRuns(minutes, schedule)) {
        const std::span<const TrendRow> part(counting.data() + run.begin, run.end - run.begin);
        c.runs.push_back({Points(layout, range, part, [](const TrendRow& r) { return r.sys; }),
                          Points(layout, range, part, [](const TrendRow& r) { return r.dia; }),
                          Points(layout, range, part, [](const TrendRow& r) { return r.map; }),
                          Points(layout, range, part, [](const TrendRow& r) { return r.pr; })});
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
    // A dot per reading only while dots do not run into each other.
    c.markers = static_cast<double>(counting.size()) * 6.0 * layout.unit <= layout.plot.width();
    c.dense = static_cast<double>(counting.size()) > layout.plot.width();
    return c;
}

}  // namespace vitalis
