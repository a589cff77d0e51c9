#include "views/TrendDrawing.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "views/ChartStyle.h"

namespace vitalis::trend {
namespace {

// Lines of the plot one device pixel wide at most on screen: anti-aliased lines any wider are
// outlined segment by segment, which costs a hundred times as much on a long polyline.
QPen LinePen(const QColor& colour, double unit) {
    QPen pen = ChartPen(colour, unit, 1.0);
    pen.setCosmetic(true);
    return pen;
}

double TickLengthOf(TickLength length, double band) {
    switch (length) {
        case TickLength::Long:
            return band / 5.0;
        case TickLength::Medium:
            return band / 7.0;
        default:
            return band / 12.0;
    }
}

// A blue dot of radius r, centred in its image.
QImage MarkerDot(double r) {
    const int side = static_cast<int>(std::ceil(2 * r)) + 2;
    QImage dot(side, side, QImage::Format_ARGB32_Premultiplied);
    dot.fill(Qt::transparent);
    QPainter p(&dot);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(chart::kMarkerBlue);
    p.drawEllipse(QPointF(side / 2.0, side / 2.0), r, r);
    return dot;
}

// A crowded line, stroke by stroke, in whole pixels, which the raster engine fills three times
// as fast as a polyline or rectangles with fractions. A level stroke still covers its row.
void DrawColumns(QPainter& painter, const std::vector<ColumnStroke>& columns,
                 const QColor& colour) {
    std::vector<QRect> strokes;
    strokes.reserve(columns.size());
    for (const ColumnStroke& c : columns) {
        const int top = qRound(c.top);
        strokes.emplace_back(static_cast<int>(c.x), top, 1, qRound(c.bottom) - top + 1);
    }
    PainterStateGuard state(painter);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRects(strokes.data(), static_cast<int>(strokes.size()));
}

}  // namespace

void DrawGrid(QPainter& painter, const TrendLayout& layout, const ValueRange& range) {
    const QRectF& plot = layout.plot;
    PainterStateGuard state(painter);
    painter.setRenderHint(QPainter::Antialiasing, false);  // level and upright lines only
    painter.setPen(LinePen(chart::kGridGrey, layout.unit));
    for (const int value : ValueTicks(range, plot.height(), 2.0 * layout.textPixels)) {
        const double y = ValueToY(range, value, plot.top(), plot.bottom());
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    for (const TimeTick& tick : TimeTicks(layout.window, layout.step)) {
        if (tick.length != TickLength::Long) continue;
        const double x = layout.XOf(tick.minute);
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
}

void DrawShading(QPainter& painter, const Shading& shading) {
    PainterStateGuard state(painter);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(chart::kAboveRed);
    for (const QPolygonF& area : shading.above) painter.drawPolygon(area);
    painter.drawRects(shading.aboveBars.data(), static_cast<int>(shading.aboveBars.size()));
    painter.setBrush(chart::kBelowGreen);
    for (const QPolygonF& area : shading.below) painter.drawPolygon(area);
    painter.drawRects(shading.belowBars.data(), static_cast<int>(shading.belowBars.size()));
}

bool IsRaster(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    return device &&
           (device->devType() == QInternal::Image || device->devType() == QInternal::Pixmap) &&
           painter.transform().isIdentity();
}

void DrawCurve(QPainter& painter, const TrendLayout& layout, const CurveLine& line,
               const QColor& colour, bool markers) {
    if (!line.columns.empty()) return DrawColumns(painter, line.columns, colour);
    const QPolygonF& curve = line.points;
    if (curve.isEmpty()) return;
    painter.setPen(LinePen(colour, layout.unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(curve);
    if (!markers) return;
    const double r = 1.8 * layout.unit;
    if (!IsRaster(painter)) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(chart::kMarkerBlue);
        for (const QPointF& point : curve) painter.drawEllipse(point, r, r);
        return;
    }
    // On screen one smooth dot is drawn once and copied to every reading: hundreds of
    // anti-aliased ellipses cost more than all the rest of the graph.
    const QImage dot = MarkerDot(r);
    const QPointF centre(dot.width() / 2.0, dot.height() / 2.0);
    for (const QPointF& point : curve) painter.drawImage((point - centre).toPoint(), dot);
}

void DrawThresholdLine(QPainter& painter, const TrendLayout& layout, const QPolygonF& line) {
    painter.setPen(LinePen(chart::kThresholdYellow, layout.unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(line);
}

void DrawExcluded(QPainter& painter, const TrendLayout& layout,
                  const std::vector<ExcludedMark>& marks) {
    if (marks.empty()) return;
    PainterStateGuard state(painter);
    // Straight strokes look as well without smoothing, at a fraction of its cost.
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen dashed = LinePen(chart::kGridGrey, layout.unit);
    dashed.setStyle(Qt::DashLine);
    painter.setPen(dashed);
    std::vector<QLineF> bars;
    bars.reserve(marks.size());
    for (const ExcludedMark& mark : marks) bars.emplace_back(mark.sys, mark.dia);
    painter.drawLines(bars.data(), static_cast<int>(bars.size()));
    const double r = 3.0 * layout.unit;
    painter.setPen(LinePen(chart::kGridGrey, layout.unit));
    std::vector<QLineF> crosses;
    for (const ExcludedMark& mark : marks) {
        for (const QPointF& p : {mark.sys, mark.dia}) {
            crosses.emplace_back(p + QPointF(-r, -r), p + QPointF(r, r));
            crosses.emplace_back(p + QPointF(-r, r), p + QPointF(r, -r));
        }
    }
    painter.drawLines(crosses.data(), static_cast<int>(crosses.size()));
}

void DrawValueScale(QPainter& painter, const TrendLayout& layout, const ValueRange& range,
                    const QString& caption) {
    const QRectF& plot = layout.plot;
    const double t = layout.textPixels;
    painter.setFont(ChartFont(t));
    painter.setPen(ChartPen(Qt::black, layout.unit));
    for (const int value : ValueTicks(range, plot.height(), 2.0 * t)) {
        const double y = ValueToY(range, value, plot.top(), plot.bottom());
        painter.drawLine(QPointF(plot.left() - 0.4 * t, y), QPointF(plot.left(), y));
        painter.drawText(QRectF(plot.left() - 4.6 * t, y - t, 4.0 * t, 2.0 * t),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(value));
    }
    painter.drawText(QRectF(plot.left() - 4.6 * t, plot.top() - 2.3 * t, plot.width(), 1.8 * t),
                     Qt::AlignLeft | Qt::AlignVCenter, caption);
}

std::vector<AxisLabel> TimeAxisLabels(const TrendLayout& layout, const QFontMetricsF& metrics) {
    const QRectF& band = layout.axisBand;
    const double t = layout.textPixels;
    const double gap = 0.6 * t;  // the least room between two labels of a row
    const double height = metrics.height();
    std::vector<AxisLabel> labels;
    QRectF lastHour;
    QRectF lastDate;
    // A label centred on x in its row, unless it would touch the one before it.
    auto place = [&](const QString& text, double x, double top, QRectF& last, Qt::Alignment align) {
        const double width = metrics.horizontalAdvance(text);
        double left = x - width / 2;
        if (align & Qt::AlignLeft) left = x;
        if (align & Qt::AlignRight) left = x - width;
        const QRectF box(left, top, width, height);
        if (!last.isNull() && box.left() < last.right() + gap) return;
        last = box;
        labels.push_back({text, box});
    };
    const double hourTop = band.top() + band.height() / 5.0;
    // Dates under the hours, even when text larger than planned pushes them out of the band.
    const double dateTop = std::max(band.bottom() - height, hourTop + height);
    if (UsesDateOnlyAxis(layout.step)) {
        place(ToQString(ShownDate(ClockTimeFromMinutes(layout.window.first))), band.left(), dateTop,
              lastDate, Qt::AlignLeft);
        place(ToQString(ShownDate(ClockTimeFromMinutes(layout.window.last))), band.right(), dateTop,
              lastDate, Qt::AlignRight);
        return labels;
    }
    const double pixelsPerHour =
        band.width() * 60.0 / static_cast<double>(std::max<int64_t>(1, layout.window.Span()));
    for (const TimeTick& tick :
         TimeTicks(layout.window, layout.step, HourLabelEvery(pixelsPerHour, 2.2 * t))) {
        const double x = layout.XOf(tick.minute);
        if (tick.hour) place(QString::number(*tick.hour), x, hourTop, lastHour, Qt::AlignHCenter);
        if (!tick.date.empty()) place(ToQString(tick.date), x, dateTop, lastDate, Qt::AlignHCenter);
    }
    return labels;
}

void DrawTimeAxis(QPainter& painter, const TrendLayout& layout, const QString& caption) {
    const QRectF& band = layout.axisBand;
    const double t = layout.textPixels;
    const QFont font = ChartFont(t);
    painter.setFont(font);
    painter.setPen(ChartPen(Qt::black, layout.unit));
    for (const TimeTick& tick : TimeTicks(layout.window, layout.step)) {
        const double x = layout.XOf(tick.minute);
        const double length = TickLengthOf(tick.length, band.height());
        painter.drawLine(QPointF(x, band.top()), QPointF(x, band.top() + length));
    }
    for (const AxisLabel& label : TimeAxisLabels(layout, QFontMetricsF(font, painter.device()))) {
        painter.drawText(label.box, Qt::AlignCenter | Qt::TextDontClip, label.text);
    }
    const QRectF bottomRow(band.left(), band.bottom() - 1.4 * t, band.width(), 1.4 * t);
    painter.drawText(QRectF(band.left() - 4.6 * t, bottomRow.top(), 4.0 * t, bottomRow.height()),
                     Qt::AlignRight | Qt::AlignBottom, caption);
}

void DrawInfoBox(QPainter& painter, const TrendLayout& layout, const QRect& area, QPointF anchor,
                 const std::vector<LabelledValue>& lines) {
    const double t = layout.textPixels;
    const QFont font = ChartFont(t);
    const QFontMetricsF metrics(font, painter.device());
    double labelWidth = 0;
    double valueWidth = 0;
    for (const LabelledValue& line : lines) {
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(ToQString(line.label)));
        valueWidth = std::max(valueWidth, metrics.horizontalAdvance(ToQString(line.value)));
    }
    const double pad = 0.5 * t;
    const double lineHeight = metrics.lineSpacing();
    const QSizeF size(labelWidth + valueWidth + 3 * pad, lines.size() * lineHeight + 2 * pad);
    // Beside the reading: to its right, or to its left when the right has no room.
    double left = anchor.x() + 1.2 * t;
    if (left + size.width() > area.right()) left = anchor.x() - 1.2 * t - size.width();
    left = std::max<double>(area.left(), left);
    const double top = std::clamp(anchor.y() - size.height() / 2, static_cast<double>(area.top()),
                                  std::max<double>(area.top(), area.bottom() - size.height()));
    const QRectF box(QPointF(left, top), size);
    painter.setPen(ChartPen(Qt::black, layout.unit));
    painter.setBrush(chart::kInfoBoxGrey);
    painter.drawRect(box);
    painter.setFont(font);
    double y = box.top() + pad;
    for (const LabelledValue& line : lines) {
        const double valueLeft =
            line.value.empty() ? box.left() + pad : box.left() + 2 * pad + labelWidth;
        painter.drawText(QRectF(box.left() + pad, y, box.width(), lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, ToQString(line.label));
        if (!line.value.empty()) {
            painter.drawText(QRectF(valueLeft, y, valueWidth + pad, lineHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, ToQString(line.value));
        }
        y += lineHeight;
    }
}

}  // namespace vitalis::trend

namespace vitalis::trend {

void DrawNoReadings(QPainter& painter, const TrendLayout& layout, const QRect& area,
                    const QString& text) {
    const double t = ChartTextPixels(area, layout.unit);
    painter.setPen(ChartPen(Qt::black, layout.unit));
    painter.setBrush(Qt::white);
    const QRectF frame = QRectF(area).adjusted(5 * t, 2.5 * t, -2.5 * t, -4.1 * t);
    painter.drawRect(frame);
    painter.setFont(ChartFont(1.4 * t));
    painter.drawText(frame, Qt::AlignCenter, text);
}

}  // namespace vitalis::trend
