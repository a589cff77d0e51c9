#include "views/HistogramPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <span>

#include "analysis/ChartTexts.h"
#include "analysis/Histograms.h"
#include "views/ChartStyle.h"

namespace vitalis {
namespace {

const QColor kBarFill{70, 130, 180};

struct BarBand {
    QString caption;
    std::span<const double> fractions;
    std::span<const int> edges;
};

// The top of the scale: the largest share rounded up to a tenth, so that the bars fill the
// plot whatever the data; its grid steps are tenths (fifths above a half).
struct ShareScale {
    double top = 1.0;
    double step = 0.25;
};

ShareScale ScaleFor(std::span<const double> fractions) {
    const double largest = fractions.empty() ? 0.0 : *std::ranges::max_element(fractions);
    const double step = largest > 0.5 ? 0.2 : 0.1;
    const double top = std::clamp(std::ceil(largest / step - 1e-9) * step, step, 1.0);
    return {top, step};
}

void DrawScale(QPainter& painter, const QRectF& band, const QRectF& plot, const ShareScale& scale,
               double unit, double t) {
    painter.setFont(ChartFont(t));
    for (double level = scale.step; level <= scale.top + 1e-9; level += scale.step) {
        const double y = plot.bottom() - plot.height() * std::min(1.0, level / scale.top);
        painter.setPen(ChartPen(chart::kGridGrey, unit, 0.5));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(ChartPen(Qt::black, unit));
        painter.drawLine(QPointF(plot.left() - 0.4 * t, y), QPointF(plot.left(), y));
        painter.drawText(QRectF(band.left(), y - t, 4.0 * t, 2 * t),
                         Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("%1%").arg(std::lround(level * 100)));
    }
    painter.setPen(ChartPen(Qt::black, unit));
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
}

void DrawBand(QPainter& painter, const QRectF& band, const BarBand& bars, double unit, double t) {
    painter.setPen(ChartPen(Qt::black, unit));
    painter.setFont(ChartFont(t, true));
    painter.drawText(QRectF(band.left() + t, band.top(), band.width() - 2 * t, 1.6 * t),
                     Qt::AlignLeft | Qt::AlignVCenter, bars.caption);
    if (bars.fractions.empty()) return;

    const std::vector<std::string> labels = BinLabels(bars.edges);
    const double width = band.width() - 6.0 * t;
    const double slot = width / static_cast<double>(bars.fractions.size());
    // Bin labels wider than their bar go on two rows, every other one lower, rather than
    // getting smaller.
    const QFontMetricsF metrics(ChartFont(t), painter.device());
    double widest = 0;
    for (const std::string& label : labels)
        widest = std::max(widest, metrics.horizontalAdvance(ToQString(label)));
    const bool twoRows = widest > slot * 0.95;
    const double labelFont = twoRows ? std::min(t, t * 1.9 * slot / widest) : t;
    const QRectF plot(QPointF(band.left() + 4.5 * t, band.top() + 3.2 * t),
                      QPointF(band.right() - 1.5 * t, band.bottom() - (twoRows ? 3.4 : 2.0) * t));
    if (plot.width() <= 0 || plot.height() <= 0) return;
    const ShareScale scale = ScaleFor(bars.fractions);
    DrawScale(painter, band, plot, scale, unit, t);

    const double valueFont = std::min(t, slot / 3.6);
    for (size_t i = 0; i < bars.fractions.size(); ++i) {
        const double fraction = std::clamp(bars.fractions[i], 0.0, 1.0) / scale.top;
        const double left = plot.left() + slot * static_cast<double>(i);
        const QRectF bar(left + slot * 0.15, plot.bottom() - plot.height() * fraction, slot * 0.7,
                         plot.height() * fraction);
        painter.setBrush(kBarFill);
        if (fraction > 0) painter.drawRect(bar);
        painter.setFont(ChartFont(valueFont));
        painter.drawText(
            QRectF(left - slot / 2, bar.top() - 1.5 * valueFont, 2 * slot, 1.4 * valueFont),
            Qt::AlignHCenter | Qt::AlignBottom, ToQString(PercentText(bars.fractions[i])));
        if (i >= labels.size()) continue;
        painter.setFont(ChartFont(labelFont));
        const double row = twoRows && i % 2 == 1 ? 1.4 * labelFont : 0.0;
        painter.drawText(
            QRectF(left - slot, plot.bottom() + 0.3 * t + row, 3 * slot, 1.5 * labelFont),
            Qt::AlignHCenter | Qt::AlignTop, ToQString(labels[i]));
    }
}

}  // namespace

HistogramPainter::HistogramPainter(PaintFailureReport report)
    : ChartPainter("Histogram in Repaint", std::move(report)) {}

void HistogramPainter::Draw(QPainter& painter, const QRect& area, const PageContext& context) {
    const HistogramSet& h = context.recording.analysis.histograms;
    const TextSource& texts = context.texts;
    const BarBand bands[3] = {
        {ToQString(ParameterCaption(Parameter::Sys, texts)), h.sys, kSysBinEdges},
        {ToQString(ParameterCaption(Parameter::Dia, texts)), h.dia, kDiaBinEdges},
        {ToQString(ParameterCaption(Parameter::Pr, texts)), h.pr, kPrBinEdges},
    };
    const double unit = ChartUnit(painter);
    const double t = ChartTextPixels(area, unit);
    const double height = area.height() / 3.0;
    for (int i = 0; i < 3; ++i) {
        const QRectF band(area.left(), area.top() + height * i, area.width(), height);
        DrawBand(painter, band, bands[i], unit, t);
    }
}

}  // namespace vitalis
