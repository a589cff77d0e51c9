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
    std::stable_sort(counting.begin(), counting.end(),
                     [](const TrendRow& a, const TrendRow& b) { return a.minute < b.minute; });
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

}  // namespace

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
        int kept[4] = {i, std::min(low, high), std::max(low, high), last};
        std::sort(kept, kept + 4);
        for (int k = 0; k < 4; ++k) {
            if (k == 0 || kept[k] != kept[k - 1]) reduced.append(line[kept[k]]);
        }
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
                                   recording.awakeInterval, recording.asleepInterval};
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
    c.sysSpans = LimitSpans(c.sysLimit);
    c.diaSpans = LimitSpans(c.diaLimit);
    // A dot per reading only while dots do not run into each other.
    c.markers = static_cast<double>(counting.size()) * 6.0 * layout.unit <= layout.plot.width();
    return c;
}

}  // namespace vitalis
