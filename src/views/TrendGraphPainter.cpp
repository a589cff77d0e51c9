#include "views/TrendGraphPainter.h"

#include "views/TrendDiaryMarkers.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cstdio>

#include "case/ResultCodes.h"
#include "views/ChartStyle.h"
#include "views/TrendDrawing.h"

namespace vitalis {
namespace {

constexpr double kReach = 20.0;  // how far from a reading the pointer may be, in pixels
const QColor kMapPurple(128, 0, 128);

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

uint64_t StateKey(const QRect& area, double unit, const PageContext& context) {
    Fingerprint f;
    const Recording& r = context.recording;
    for (const int v : {area.x(), area.y(), area.width(), area.height(), r.asleepStart,
                        r.awakeStart, r.awakeInterval, r.asleepInterval,
                        context.thresholds.awakeSys, context.thresholds.awakeDia,
                        context.thresholds.asleepSys, context.thresholds.asleepDia}) {
        f.Add(v);
    }
    f.Add(static_cast<int64_t>(unit * 1000));
    for (const Measurement& m : r.allMeasurements()) {
        f.Add((int64_t{m.sys} << 48) ^ (int64_t{m.dia} << 32) ^ (int64_t{m.pr} << 16) ^ m.map);
        f.Add((int64_t{m.status} << 40) ^ (int64_t{m.valid} << 32) ^ MinutesOf(m.Clock()));
        f.Add(m.remark);
    }
    f.Add(context.texts.Text("Menu Setting", "IDS_HEART_RATE"));
    f.Add(DiaryMarkersKey(r));
    return f.value();
}

// A raster target the static layer can be copied onto pixel for pixel; printers and PDF pages
// are drawn in full every time.
bool IsRaster(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    return device &&
           (device->devType() == QInternal::Image || device->devType() == QInternal::Pixmap) &&
           painter.transform().isIdentity();
}

void DrawNightBands(QPainter& painter, const TrendLayout& layout, const Recording& recording) {
    if (recording.asleepStart == recording.awakeStart) return;
    const int64_t length = (recording.awakeStart - recording.asleepStart + 1440) % 1440;
    painter.setPen(Qt::NoPen);
    painter.setBrush(TrendGraphPainter::kNightBand);
    for (int64_t day = layout.window.first / 1440 - 1; day <= layout.window.last / 1440; ++day) {
        const int64_t from = day * 1440 + recording.asleepStart;
        const double x0 = std::max(layout.plot.left(), layout.XOf(from));
        const double x1 = std::min(layout.plot.right(), layout.XOf(from + length));
        if (x1 > x0)
            painter.drawRect(
                QRectF(QPointF(x0, layout.plot.top()), QPointF(x1, layout.plot.bottom())));
    }
}

void DrawRuns(QPainter& painter, const TrendLayout& layout, const TrendCurves& c) {
    for (const CurveRun& run : c.runs) {
        trend::DrawShading(painter, layout, run.sys, c.sysSpans);
        trend::DrawShading(painter, layout, run.dia, c.diaSpans);
    }
    trend::DrawThresholdLine(painter, layout, c.sysLimit);
    trend::DrawThresholdLine(painter, layout, c.diaLimit);
    for (const CurveRun& run : c.runs) {
        trend::DrawCurve(painter, layout, run.pr, chart::kMarkerBlue, false);
        trend::DrawCurve(painter, layout, run.map, kMapPurple, false);
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
    const uint64_t key = StateKey(area, unit, context);
    if (key == key_ && !rows_.empty()) return false;
    key_ = key;
    rows_ = BuildTrendRows(context.recording);
    failed_ = BuildFailedReadings(context.recording);
    if (const auto range = TrendValueRange(rows_, context.thresholds)) range_ = *range;
    layout_ = LayOutTrend(area, unit, rows_);
    curves_ = BuildTrendCurves(layout_, range_, context.recording, context.thresholds, rows_);
    return true;
}

void TrendGraphPainter::Draw(QPainter& painter, const QRect& area, const PageContext& context) {
    Refresh(area, ChartUnit(painter), context);
    if (rows_.empty()) {
        trend::DrawNoReadings(painter, layout_, area,
                              Text(context, "Global Setting", "IDS_NO_READINGS"));
        return;
    }
    if (!IsRaster(painter)) {
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
        DrawNightBands(painter, layout_, context.recording);
        trend::DrawGrid(painter, layout_, range_);
        DrawRuns(painter, layout_, curves_);
        for (const TrendRow& row : rows_) {
            if (row.valid) continue;
            const double x = layout_.XOf(row.minute);
            trend::DrawExcluded(painter, layout_,
                                {x, ValueToY(range_, row.sys, plot.top(), plot.bottom())},
                                {x, ValueToY(range_, row.dia, plot.top(), plot.bottom())});
        }
    }
    painter.setPen(ChartPen(Qt::black, layout_.unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    DrawFailedMarks(painter, layout_, failed_);
    DrawDiaryMarkers(painter, layout_, context.recording);
    trend::DrawValueScale(
        painter, layout_, range_,
        QStringLiteral("mmHg/") + Text(context, "Menu Setting", "IDS_HEART_RATE"));
    trend::DrawTimeAxis(painter, layout_, Text(context, "Message Setting", "IDS_TIMES"));
}

void TrendGraphPainter::DrawHovered(QPainter& painter, const QRect& area,
                                    const TextSource& texts) const {
    const QRectF& plot = layout_.plot;
    if (hoveredFailure_) {
        const auto f = std::find_if(failed_.begin(), failed_.end(), [this](const FailedReading& r) {
            return r.position == *hoveredFailure_;
        });
        if (f == failed_.end()) return;
        char time[24];
        std::snprintf(time, sizeof time, "%02d:%02d", f->clock.hour, f->clock.minute);
        trend::DrawInfoBox(painter, layout_, area, {layout_.XOf(f->minute), plot.bottom()},
                           {{texts.Text("Message Setting", "IDS_TIMES"), time},
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
