#include "views/TrendGraphPainter.h"

#include <QFontMetricsF>
#include "views/TrendDiaryMarkers.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cstdio>

#include "case/CalendarTime.h"
#include "case/ResultCodes.h"
#include "case/TextSource.h"
#include "views/ChartStyle.h"
#include "views/TrendDrawing.h"
#include "views/TrendLegend.h"
#include "views/TrendStrips.h"

namespace vitalis {
namespace {

constexpr double kReach = 20.0;  // how far from a reading the pointer may be, in pixels

QString Text(const PageContext& context, std::string_view section, std::string_view key) {
    return ToQString(context.texts.Text(section, key));
}

// Everything a paint depends on, folded into one number: readings, schedule, thresholds,
// area and device. Cheap next to painting, even for many thousand readings.
class Fingerprint {
  public:
    void Add(int64_t v) {
        for (int i = 0; i < 8; ++i) {
            hash_ = (hash_ ^ static_cast<uint8_t>(v >> (8 * i))) * 1099511628211ULL;
        }
    }
    void Add(const std::string& text) {
        Add(static_cast<int64_t>(text.size()));
        for (const char c : text) hash_ = (hash_ ^ static_cast<uint8_t>(c)) * 1099511628211ULL;
    }
    uint64_t value() const { return hash_; }

  private:
    uint64_t hash_ = 14695981039346656037ULL;
};

uint64_t StateKey(const QRect& area, double unit, const PageContext& context,
                  const std::optional<TimeWindow>& part,
                  const std::optional<TrendGraphPainter::Night>& night) {
    Fingerprint f;
    f.Add(part ? part->first : -1);
    f.Add(night ? night->asleepStart * 1440 + night->awakeStart : -1);
    f.Add(part ? part->last : -1);
    const Recording& r = context.recording;
    for (const int v :
         {area.x(), area.y(), area.width(), area.height(), r.asleepStart, r.awakeStart,
          r.schedule.awake.interval.value_or(0), r.schedule.asleep.interval.value_or(0),
          context.thresholds.awakeSys, context.thresholds.awakeDia, context.thresholds.asleepSys,
          context.thresholds.asleepDia}) {
        f.Add(v);
    }
    f.Add(static_cast<int64_t>(unit * 1000));
    for (const Measurement& m : r.allMeasurements()) {
        f.Add((int64_t{m.sys} << 48) ^ (int64_t{m.dia} << 32) ^ (int64_t{m.pr} << 16) ^ m.map);
        f.Add((int64_t{m.status} << 40) ^ (int64_t{m.valid} << 32) ^ MinutesOf(m.Clock()));
        f.Add(m.remark);
    }
    f.Add(context.texts.Text(kMenuTexts, "IDS_HEART_RATE"));
    f.Add(DiaryMarkersKey(r));
    return f.value();
}

void DrawNightBands(QPainter& painter, const TrendLayout& layout,
                    const TrendGraphPainter::Night& night) {
    if (night.asleepStart == night.awakeStart) return;
    const int64_t length = (night.awakeStart - night.asleepStart + 1440) % 1440;
    // Whole-pixel bands: no edge to smooth, and a long recording has one a day.
    PainterStateGuard state(painter);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int64_t day = layout.window.first / 1440 - 1; day <= layout.window.last / 1440; ++day) {
        const int64_t from = day * 1440 + night.asleepStart;
        const double x0 = std::max(layout.plot.left(), layout.XOf(from));
        const double x1 = std::min(layout.plot.right(), layout.XOf(from + length));
        if (x1 > x0)
            painter.fillRect(
                QRectF(QPointF(x0, layout.plot.top()), QPointF(x1, layout.plot.bottom())),
                TrendGraphPainter::kNightBand);
    }
}

void DrawRuns(QPainter& painter, const TrendLayout& layout, const TrendCurves& c) {
    trend::DrawShading(painter, c.shading);
    trend::DrawThresholdLine(painter, layout, c.sysLimit);
    trend::DrawThresholdLine(painter, layout, c.diaLimit);
    PainterStateGuard state(painter);
    if (c.dense) painter.setRenderHint(QPainter::Antialiasing, false);
    for (const CurveRun& run : c.runs) {
        trend::DrawCurve(painter, layout, run.pr, chart::kMarkerBlue, false);
        trend::DrawCurve(painter, layout, run.map, chart::kMapPurple, false);
        trend::DrawCurve(painter, layout, run.sys, Qt::black, c.markers);
        trend::DrawCurve(painter, layout, run.dia, Qt::black, c.markers);
    }
}

// A failed reading: a red triangle standing on the time axis at its time.
void DrawFailedMarks(QPainter& painter, const TrendLayout& layout,
                     const std::vector<FailedReading>& failed) {
    painter.setPen(ChartPen(Qt::black, layout.unit, 0.5));
    painter.setBrush(chart::kAboveRed);
    const double r = 4.0 * layout.unit;
    const double y = layout.plot.bottom();
    for (const FailedReading& f : failed) {
        const double x = layout.XOf(f.minute);
        if (x < layout.plot.left() || x > layout.plot.right()) continue;
        const QPointF mark[3] = {{x, y - 2 * r}, {x - r, y}, {x + r, y}};
        painter.drawPolygon(mark, 3);
    }
}

}  // namespace

TrendGraphPainter::TrendGraphPainter(PaintFailureReport report)
    : ChartPainter("TrendGraph in Repaint", std::move(report)) {}

bool TrendGraphPainter::Refresh(const QRect& area, double unit, const PageContext& context) {
    // A fixed window (a printed day) wins over the zoom of the screen.
    const std::optional<TimeWindow> shown = window_ ? window_ : zoom_.part();
    const uint64_t key = StateKey(area, unit, context, shown, preview_);
    if (key == key_ && !rows_.empty()) return false;
    key_ = key;
    night_ = {context.recording.asleepStart, context.recording.awakeStart};
    rows_ = BuildTrendRows(context.recording);
    failed_ = BuildFailedReadings(context.recording);
    if (const auto range = TrendValueRange(rows_, context.thresholds)) range_ = *range;
    if (!rows_.empty()) {
        const auto [low, high] = std::minmax_element(
            rows_.begin(), rows_.end(),
            [](const TrendRow& a, const TrendRow& b) { return a.minute < b.minute; });
        zoom_.SetWhole({low->minute, high->minute});
    }
    layout_ = LayOutTrend(area, unit, rows_, shown);
    curves_ = BuildTrendCurves(layout_, range_, context.recording, context.thresholds, rows_);
    return true;
}

void TrendGraphPainter::Draw(QPainter& painter, const QRect& area, const PageContext& context) {
    Refresh(area, ChartUnit(painter), context);
    if (rows_.empty()) {
        trend::DrawNoReadings(painter, layout_, area,
                              Text(context, kGlobalTexts, "IDS_NO_READINGS"));
        return;
    }
    if (!trend::IsRaster(painter)) {
        DrawStatic(painter, area, context);
    } else if (stillKey_ == key_ && !still_.isNull()) {
        painter.drawImage(area.topLeft(), still_);
    } else if (stillKey_ == key_) {
        // Painted twice alike: worth keeping for the pointer moves that follow.
        const qreal ratio = painter.device()->devicePixelRatioF();
        still_ = QImage(area.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        still_.setDevicePixelRatio(ratio);
        still_.fill(Qt::transparent);
        {
            QPainter layer(&still_);
            layer.setRenderHints(painter.renderHints());
            layer.translate(-area.topLeft());
            DrawStatic(layer, area, context);
        }
        painter.drawImage(area.topLeft(), still_);
    } else {
        stillKey_ = key_;
        still_ = QImage();
        DrawStatic(painter, area, context);
    }
    DrawHovered(painter, area, context.texts);
}

void TrendGraphPainter::DrawStatic(QPainter& painter, const QRect&,
                                   const PageContext& context) const {
    const QRectF& plot = layout_.plot;
    {
        PainterStateGuard clipped(painter);
        painter.fillRect(plot, Qt::white);
        painter.setClipRect(plot.toAlignedRect());  // a whole-pixel clip keeps the quick path
        DrawNightBands(painter, layout_, night());
        trend::DrawGrid(painter, layout_, range_);
        if (strips_)
            trend::DrawStrips(painter, layout_, range_, rows_, curves_);
        else
            DrawRuns(painter, layout_, curves_);
        std::vector<trend::ExcludedMark> excluded;
        for (const TrendRow& row : rows_) {
            if (row.valid) continue;
            const double x = layout_.XOf(row.minute);
            excluded.push_back({{x, ValueToY(range_, row.sys, plot.top(), plot.bottom())},
                                {x, ValueToY(range_, row.dia, plot.top(), plot.bottom())}});
        }
        trend::DrawExcluded(painter, layout_, excluded);
    }
    painter.setPen(ChartPen(Qt::black, layout_.unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    DrawFailedMarks(painter, layout_, failed_);
    DrawDiaryMarkers(painter, layout_, context.recording);
    if (marks_) {
        PainterStateGuard own(painter);
        marks_(painter, layout_);
    }
    const QString caption = QStringLiteral("mmHg/") + Text(context, kMenuTexts, "IDS_HEART_RATE");
    trend::DrawValueScale(painter, layout_, range_, caption);
    const double captionEnd =
        plot.left() - 3.6 * layout_.textPixels +
        QFontMetricsF(ChartFont(layout_.textPixels), painter.device()).horizontalAdvance(caption);
    trend::DrawLegend(painter, layout_, trend::TrendLegend(context.texts, kNightBand), captionEnd);
    trend::DrawTimeAxis(painter, layout_, Text(context, kMessageTexts, "IDS_TIMES"));
}

void TrendGraphPainter::DrawHovered(QPainter& painter, const QRect& area,
                                    const TextSource& texts) const {
    const QRectF& plot = layout_.plot;
    if (hoveredFailure_) {
        const auto f = std::find_if(failed_.begin(), failed_.end(), [this](const FailedReading& r) {
            return r.position == *hoveredFailure_;
        });
        if (f == failed_.end()) return;
        trend::DrawInfoBox(
            painter, layout_, area, {layout_.XOf(f->minute), plot.bottom()},
            {{texts.Text(kMessageTexts, "IDS_TIMES"), ShownClock(f->clock.hour, f->clock.minute)},
             {FailureText(f->status, texts), {}}});
        return;
    }
    const auto hovered = std::find_if(rows_.begin(), rows_.end(), [this](const TrendRow& row) {
        return hovered_ && row.position == *hovered_;
    });
    if (hovered == rows_.end()) return;
    const double x = layout_.XOf(hovered->minute);
    painter.setPen(ChartPen(chart::kMarkerBlue, layout_.unit));
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    const double middle =
        ValueToY(range_, (hovered->sys + hovered->dia) / 2.0, plot.top(), plot.bottom());
    trend::DrawInfoBox(painter, layout_, area, {x, std::clamp(middle, plot.top(), plot.bottom())},
                       InfoBoxLines(*hovered, texts));
}

std::optional<int> TrendGraphPainter::ReadingAt(const QPoint& point) const {
    const QPointF p(point);
    const QRectF& plot = layout_.plot;
    const double reach = kReach * layout_.unit;
    if (rows_.empty() || p.y() < plot.top() || p.y() > plot.bottom() ||
        p.x() < plot.left() - reach || p.x() > plot.right() + reach) {
        return std::nullopt;
    }
    std::vector<double> xs;
    xs.reserve(rows_.size());
    for (const TrendRow& row : rows_) xs.push_back(layout_.XOf(row.minute));
    const auto nearest = NearestRow(xs, p.x(), reach);
    if (!nearest) return std::nullopt;
    return rows_[*nearest].position;
}

TrendGraphPainter::NightEdge TrendGraphPainter::NightEdgeAt(const QPoint& point) const {
    const QRectF& plot = layout_.plot;
    const Night shown = night();
    if (rows_.empty() || shown.asleepStart == shown.awakeStart || point.y() < plot.top() ||
        point.y() > plot.bottom()) {
        return NightEdge::None;
    }
    const double reach = 4.0 * layout_.unit;
    const int64_t minute = layout_.MinuteAt(point.x());
    for (int64_t day = minute / 1440 - 1; day <= minute / 1440 + 1; ++day) {
        if (std::abs(layout_.XOf(day * 1440 + shown.asleepStart) - point.x()) <= reach)
            return NightEdge::AsleepStart;
        if (std::abs(layout_.XOf(day * 1440 + shown.awakeStart) - point.x()) <= reach)
            return NightEdge::AwakeStart;
    }
    return NightEdge::None;
}

bool TrendGraphPainter::Hover(const QPoint& point, const QRect& area, const PageContext& context) {
    Refresh(area, layout_.unit, context);
    std::optional<int> failure;
    const QRectF& plot = layout_.plot;
    // The marks of failed readings stand on the axis, just inside the plot.
    if (std::abs(point.y() - plot.bottom()) <= 8.0 * layout_.unit) {
        for (const FailedReading& f : failed_) {
            if (std::abs(layout_.XOf(f.minute) - point.x()) <= 5.0 * layout_.unit)
                failure = f.position;
        }
    }
    const std::optional<int> now = failure ? std::nullopt : ReadingAt(point);
    if (now == hovered_ && failure == hoveredFailure_) return false;
    hovered_ = now;
    hoveredFailure_ = failure;
    return true;
}

}  // namespace vitalis
