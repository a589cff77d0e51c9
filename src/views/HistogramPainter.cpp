#include "views/HistogramPainter.h"

#include <QPainter>
#include <algorithm>
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

void DrawBand(QPainter& painter, const QRectF& band, const BarBand& bars, double unit, double t) {
    painter.setPen(ChartPen(Qt::black, unit));
    painter.setFont(ChartFont(t, true));
    painter.drawText(QRectF(band.left() + t, band.top(), band.width() - 2 * t, 1.6 * t),
                     Qt::AlignLeft | Qt::AlignVCenter, bars.caption);

    const QRectF plot(QPointF(band.left() + 4.5 * t, band.top() + 3.2 * t),
                      QPointF(band.right() - 1.5 * t, band.bottom() - 2.0 * t));
    if (plot.width() <= 0 || plot.height() <= 0 || bars.fractions.empty()) return;
    painter.setPen(ChartPen(chart::kGridGrey, unit, 0.5));
    for (const double level : {0.25, 0.5, 0.75, 1.0}) {
        const double y = plot.bottom() - plot.height() * level;
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    painter.setPen(ChartPen(Qt::black, unit));
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.setFont(ChartFont(t));
    painter.drawLine(QPointF(plot.left() - 0.4 * t, plot.top()), plot.topLeft());
    painter.drawText(QRectF(band.left(), plot.top() - t, 4.0 * t, 2 * t),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("100%"));

    const std::vector<std::string> labels = BinLabels(bars.edges);
    const double slot = plot.width() / static_cast<double>(bars.fractions.size());
    const double small = std::min(t, slot / 4.2);
    painter.setFont(ChartFont(small));
    for (size_t i = 0; i < bars.fractions.size(); ++i) {
        const double fraction = std::clamp(bars.fractions[i], 0.0, 1.0);
        const double left = plot.left() + slot * static_cast<double>(i);
        const QRectF bar(left + slot * 0.15, plot.bottom() - plot.height() * fraction, slot * 0.7,
                         plot.height() * fraction);
        painter.setBrush(kBarFill);
        if (fraction > 0) painter.drawRect(bar);
        painter.drawText(QRectF(left, bar.top() - 1.5 * small, slot, 1.4 * small),
                         Qt::AlignHCenter | Qt::AlignBottom,
                         ToQString(PercentText(bars.fractions[i])));
        if (i < labels.size()) {
            painter.drawText(QRectF(left, plot.bottom() + 0.3 * t, slot, 1.5 * small),
                             Qt::AlignHCenter | Qt::AlignTop, ToQString(labels[i]));
        }
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
