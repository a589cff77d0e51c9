#include "views/TrendGraphPainter.h"

#include <QPainter>
#include <algorithm>

#include "views/ChartStyle.h"
#include "views/TrendDrawing.h"

namespace vitalis {
namespace {

constexpr double kReach = 20.0;  // how far from a reading the pointer may be, in pixels

QString Text(const PageContext& context, std::string_view section, std::string_view key) {
    return ToQString(context.texts.Text(section, key));
}

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
QPolygonF Points(const TrendLayout& layout, const ValueRange& range,
                 const std::vector<TrendRow>& rows, Value value) {
    QPolygonF points;
    points.reserve(static_cast<int>(rows.size()));
    for (const TrendRow& row : rows) {
        points.append({layout.XOf(row.minute),
                       ValueToY(range, value(row), layout.plot.top(), layout.plot.bottom())});
    }
    return points;
}

QPolygonF ThresholdPolyline(const TrendLayout& layout, const ValueRange& range,
                            const Recording& recording, const std::vector<TrendRow>& rows,
                            ThresholdValues values) {
    std::vector<int64_t> minutes;
    for (const TrendRow& row : rows) minutes.push_back(row.minute);
    QPolygonF line;
    for (const ThresholdPoint& point :
         ThresholdLine(minutes, layout.window.first, layout.window.last, recording.asleepStart,
                       recording.awakeStart, values)) {
        line.append({layout.XOf(point.minute),
                     ValueToY(range, point.value, layout.plot.top(), layout.plot.bottom())});
    }
    return line;
}

// The polylines of the plot, in device coordinates.
struct Curves {
    QPolygonF sys, dia, pr;
    QPolygonF sysLimit, diaLimit;
};

Curves BuildCurves(const TrendLayout& layout, const ValueRange& range, const PageContext& context,
                   const std::vector<TrendRow>& rows) {
    const ThresholdSettings& limits = context.thresholds;
    const std::vector<TrendRow> counting = CountingInTimeOrder(rows);
    Curves c;
    c.sys = Points(layout, range, counting, [](const TrendRow& r) { return r.sys; });
    c.dia = Points(layout, range, counting, [](const TrendRow& r) { return r.dia; });
    c.pr = Points(layout, range, counting, [](const TrendRow& r) { return r.pr; });
    c.sysLimit = ThresholdPolyline(layout, range, context.recording, counting,
                                   {limits.awakeSys, limits.asleepSys});
    c.diaLimit = ThresholdPolyline(layout, range, context.recording, counting,
                                   {limits.awakeDia, limits.asleepDia});
    return c;
}

// Everything inside the frame, from the grid up to the excluded readings' crosses.
void DrawPlot(QPainter& painter, const TrendLayout& layout, const ValueRange& range,
              const Curves& c, const std::vector<TrendRow>& rows) {
    const QRectF& plot = layout.plot;
    PainterStateGuard clipped(painter);
    painter.fillRect(plot, Qt::white);
    painter.setClipRect(plot);
    trend::DrawGrid(painter, layout, range);
    trend::DrawShading(painter, layout, c.sys, c.sysLimit);
    trend::DrawShading(painter, layout, c.dia, c.diaLimit);
    trend::DrawThresholdLine(painter, layout, c.sysLimit);
    trend::DrawThresholdLine(painter, layout, c.diaLimit);
    trend::DrawCurve(painter, layout, c.pr, chart::kMarkerBlue, false);
    trend::DrawCurve(painter, layout, c.sys, Qt::black, true);
    trend::DrawCurve(painter, layout, c.dia, Qt::black, true);
    for (const TrendRow& row : rows) {
        if (row.valid) continue;
        const double x = layout.XOf(row.minute);
        trend::DrawExcluded(painter, layout,
                            {x, ValueToY(range, row.sys, plot.top(), plot.bottom())},
                            {x, ValueToY(range, row.dia, plot.top(), plot.bottom())});
    }
}

}  // namespace

TrendGraphPainter::TrendGraphPainter(PaintFailureReport report, ToggleQuestion mayToggle)
    : ChartPainter("TrendGraph in Repaint", std::move(report)), mayToggle_(std::move(mayToggle)) {}

void TrendGraphPainter::Draw(QPainter& painter, const QRect& area, const PageContext& context) {
    unit_ = ChartUnit(painter);
    const std::vector<TrendRow> rows = BuildTrendRows(context.recording);
    if (const auto range = TrendValueRange(rows, context.thresholds)) range_ = *range;
    const TrendLayout layout = LayOutTrend(area, unit_, rows);
    DrawPlot(painter, layout, range_, BuildCurves(layout, range_, context, rows), rows);
    painter.setPen(ChartPen(Qt::black, unit_));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(layout.plot);
    trend::DrawValueScale(
        painter, layout, range_,
        QStringLiteral("mmHg/") + Text(context, "Menu Setting", "IDS_HEART_RATE"));
    trend::DrawTimeAxis(painter, layout, Text(context, "Message Setting", "IDS_TIMES"));
    DrawHovered(painter, layout, area, rows, context.texts);
}

void TrendGraphPainter::DrawHovered(QPainter& painter, const TrendLayout& layout, const QRect& area,
                                    const std::vector<TrendRow>& rows,
                                    const TextSource& texts) const {
    const auto hovered = std::find_if(rows.begin(), rows.end(), [this](const TrendRow& row) {
        return hovered_ && row.position == *hovered_;
    });
    if (hovered == rows.end()) return;
    const QRectF& plot = layout.plot;
    const double x = layout.XOf(hovered->minute);
    painter.setPen(ChartPen(chart::kMarkerBlue, unit_));
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    const double middle =
        ValueToY(range_, (hovered->sys + hovered->dia) / 2.0, plot.top(), plot.bottom());
    trend::DrawInfoBox(painter, layout, area, {x, std::clamp(middle, plot.top(), plot.bottom())},
                       InfoBoxLines(*hovered, texts));
}

std::optional<TrendRow> TrendGraphPainter::RowAt(const QPoint& point, const QRect& area,
                                                 const std::vector<TrendRow>& rows) const {
    const TrendLayout layout = LayOutTrend(area, unit_, rows);
    const QPointF p(point);
    if (p.y() < layout.plot.top() || p.y() > layout.plot.bottom() ||
        p.x() < layout.plot.left() - kReach * unit_ ||
        p.x() > layout.plot.right() + kReach * unit_) {
        return std::nullopt;
    }
    std::vector<double> xs;
    xs.reserve(rows.size());
    for (const TrendRow& row : rows) xs.push_back(layout.XOf(row.minute));
    const auto nearest = NearestRow(xs, p.x(), kReach * unit_);
    if (!nearest) return std::nullopt;
    return rows[*nearest];
}

bool TrendGraphPainter::Hover(const QPoint& point, const QRect& area, const PageContext& context) {
    const auto row = RowAt(point, area, BuildTrendRows(context.recording));
    const std::optional<int> now = row ? std::optional<int>(row->position) : std::nullopt;
    if (now == hovered_) return false;
    hovered_ = now;
    return true;
}

bool TrendGraphPainter::Click(const QPoint& point, const QRect& area, Recording& recording) {
    const auto row = RowAt(point, area, BuildTrendRows(recording));
    if (!row) return false;
    if (mayToggle_ && !mayToggle_(!row->valid)) return false;
    Measurement& m = recording.editableMeasurements().at(static_cast<size_t>(row->position));
    m.valid = m.valid == 1 ? 0 : 1;
    return true;
}

}  // namespace vitalis
