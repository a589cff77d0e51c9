#include "views/TrendLegend.h"

#include <QFontMetricsF>
#include <QPainter>

#include "case/TextSource.h"
#include "views/ChartStyle.h"

namespace vitalis::trend {
namespace {

void DrawSwatch(QPainter& painter, const LegendEntry& entry, const QRectF& box, double unit) {
    const QPointF middle = box.center();
    switch (entry.swatch) {
        case Swatch::Band:
            painter.fillRect(box, entry.colour);
            break;
        case Swatch::FailedMark: {
            const double r = 4.0 * unit;
            const QPointF mark[3] = {{middle.x(), box.bottom() - 2 * r},
                                     {middle.x() - r, box.bottom()},
                                     {middle.x() + r, box.bottom()}};
            painter.setPen(ChartPen(Qt::black, unit, 0.5));
            painter.setBrush(chart::kAboveRed);
            painter.drawPolygon(mark, 3);
            break;
        }
        case Swatch::Line:
        case Swatch::DottedLine:
            painter.setPen(ChartPen(entry.colour, unit, 1.0));
            painter.drawLine(QPointF(box.left(), middle.y()), QPointF(box.right(), middle.y()));
            if (entry.swatch == Swatch::DottedLine) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(chart::kMarkerBlue);
                painter.drawEllipse(middle, 1.8 * unit, 1.8 * unit);
            }
            break;
    }
}

}  // namespace

std::vector<LegendEntry> TrendLegend(const TextSource& texts, const QColor& night) {
    const auto text = [&](std::string_view key) {
        return ToQString(texts.Text(kGlobalTexts, key));
    };
    return {
        {text("IDS_TREND_LEGEND_SYS"), Swatch::DottedLine, Qt::black},
        {text("IDS_TREND_LEGEND_DIA"), Swatch::DottedLine, Qt::black},
        {text("IDS_TREND_LEGEND_MAP"), Swatch::Line, chart::kMapPurple},
        {text("IDS_TREND_LEGEND_PULSE"), Swatch::Line, chart::kMarkerBlue},
        {text("IDS_TREND_LEGEND_THRESHOLD"), Swatch::Line, chart::kThresholdYellow},
        {text("IDS_TREND_LEGEND_NIGHT"), Swatch::Band, night},
        {text("IDS_TREND_LEGEND_FAILED"), Swatch::FailedMark, chart::kAboveRed},
    };
}

void DrawLegend(QPainter& painter, const TrendLayout& layout,
                const std::vector<LegendEntry>& entries, double reserved) {
    const double t = layout.textPixels;
    const QFont font = ChartFont(t);
    const QFontMetricsF metrics(font, painter.device());
    const double swatch = 2.0 * t;
    const double gap = 0.4 * t;
    const double rowTop = layout.plot.top() - 2.3 * t;
    const double rowHeight = 1.8 * t;
    double width = 0;
    std::vector<double> widths;
    for (const LegendEntry& entry : entries) {
        widths.push_back(swatch + gap + metrics.horizontalAdvance(entry.text) + 1.2 * t);
        width += widths.back();
    }
    // Entries that would run into the caption are left out from the end.
    size_t shown = entries.size();
    while (shown > 0 && layout.plot.right() - width < reserved) width -= widths[--shown];
    PainterStateGuard state(painter);
    painter.setFont(font);
    double x = layout.plot.right() - width;
    for (size_t i = 0; i < shown; ++i) {
        const QRectF box(x, rowTop + 0.45 * t, swatch, rowHeight - 0.9 * t);
        DrawSwatch(painter, entries[i], box, layout.unit);
        painter.setPen(ChartPen(Qt::black, layout.unit));
        painter.drawText(QRectF(box.right() + gap, rowTop, widths[i], rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, entries[i].text);
        x += widths[i];
    }
}

}  // namespace vitalis::trend
