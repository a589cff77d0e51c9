#include "views/PiePanelPainter.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "analysis/ChartTexts.h"
#include "analysis/PieSectors.h"
#include "views/ChartStyle.h"

namespace vitalis {
namespace {

struct Band {
    Parameter parameter;
    const SummaryBlock& block;
    int low;
    int high;
};

// Qt counts angles anticlockwise in sixteenths of a degree; the sectors run clockwise.
int QtAngle(double clockwiseDegrees) {
    return static_cast<int>(std::lround(-clockwiseDegrees * 16.0));
}

void DrawStatistics(QPainter& painter, const QRectF& column, const Band& band,
                    const TextSource& texts, double t) {
    painter.setPen(Qt::black);
    painter.setFont(ChartFont(t));
    const std::vector<std::string> lines = StatisticsLines(band.block, band.parameter, texts);
    const double lineHeight = 1.8 * t;
    double y = column.center().y() - lineHeight * static_cast<double>(lines.size()) / 2.0;
    for (const std::string& line : lines) {
        painter.drawText(QRectF(column.left() + t, y, column.width() - t, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, ToQString(line));
        y += lineHeight;
    }
}

void DrawPercentLabel(QPainter& painter, const QRectF& pie, const PieSector& sector, double unit,
                      double t) {
    const double radians = sector.MiddleDegrees() * std::numbers::pi / 180.0;
    const LabelAlignment align = AlignmentForAngle(sector.MiddleDegrees());
    // Labels of the lower half clear the pie's side as well.
    const double side = align.alignTop ? PiePanelPainter::kDepth * unit : 0.0;
    const QPointF anchor(
        pie.center().x() + (pie.width() / 2 + 0.3 * t) * std::cos(radians),
        pie.center().y() + (pie.height() / 2 + 0.3 * t) * std::sin(radians) + side);
    const QSizeF size(6 * t, 1.4 * t);
    const double left = align.alignLeft ? anchor.x() : anchor.x() - size.width();
    const double top = align.alignTop ? anchor.y() : anchor.y() - size.height();
    const Qt::Alignment flags = (align.alignLeft ? Qt::AlignLeft : Qt::AlignRight) |
                                (align.alignTop ? Qt::AlignTop : Qt::AlignBottom);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(QPointF(left, top), size), flags,
                     ToQString(PercentText(sector.fraction)));
}

void DrawPie(QPainter& painter, const QRectF& pie, const SummaryBlock& block, double unit,
             double t) {
    const std::vector<PieSector> sectors =
        PieSectors({block.aboveFraction, block.withinFraction, block.belowFraction});
    if (sectors.empty()) {
        painter.setPen(ChartPen(chart::kGridGrey, unit));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(pie);
        return;
    }
    painter.setPen(Qt::NoPen);
    // The side: copies one pixel apart in the darker colours, the lowest first.
    for (int offset = PiePanelPainter::kDepth; offset >= 1; --offset) {
        const QRectF copy = pie.translated(0, offset * unit);
        for (const PieSector& sector : sectors) {
            painter.setBrush(chart::kPieDark[static_cast<int>(sector.share)]);
            painter.drawPie(copy, QtAngle(sector.startDegrees), QtAngle(sector.sweepDegrees));
        }
    }
    for (const PieSector& sector : sectors) {
        painter.setBrush(chart::kPieBright[static_cast<int>(sector.share)]);
        painter.drawPie(pie, QtAngle(sector.startDegrees), QtAngle(sector.sweepDegrees));
    }
    painter.setFont(ChartFont(t));
    for (const PieSector& sector : sectors) DrawPercentLabel(painter, pie, sector, unit, t);
}

void DrawLegend(QPainter& painter, const QRectF& column, const Band& band, const TextSource& texts,
                double unit, double t) {
    const double square = std::min(20.0 * unit, column.height() / 5.0);
    const double row = std::max(square + 0.4 * t, 1.6 * t);
    double y = column.center().y() - 2.0 * row;
    painter.setFont(ChartFont(t, true));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(column.left(), y, column.width(), row),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     ToQString(ParameterCaption(band.parameter, texts)));
    const RangeLegend legend = RangeLegendTexts(band.low, band.high);
    const std::string* captions[3] = {&legend.above, &legend.within, &legend.below};
    painter.setFont(ChartFont(t));
    for (int i = 0; i < 3; ++i) {
        y += row;
        const QRectF swatch(column.left(), y + (row - square) / 2, square, square);
        painter.setPen(ChartPen(Qt::black, unit, 0.5));
        painter.setBrush(chart::kPieBright[i]);
        painter.drawRect(swatch);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(swatch.right() + 0.6 * t, y, column.right() - swatch.right(), row),
                         Qt::AlignLeft | Qt::AlignVCenter, ToQString(*captions[i]));
    }
}

// The band's columns: statistics text, pie, legend.
struct Columns {
    QRectF text, pie, legend;
};

Columns ColumnsOf(const QRectF& band) {
    const double w = band.width();
    return {QRectF(band.left(), band.top(), w * 0.42, band.height()),
            QRectF(band.left() + w * 0.42, band.top(), w * 0.30, band.height()),
            QRectF(band.left() + w * 0.74, band.top(), w * 0.26, band.height())};
}

}  // namespace

PiePanelPainter::PiePanelPainter(PaintFailureReport report)
    : ChartPainter("Piegram in Repaint", std::move(report)) {}

QRectF PiePanelPainter::PieRect(const QRectF& band, double unit, double t) {
    const QRectF column = ColumnsOf(band).pie;
    // Room around the pie for the percentages, and below it for its side.
    const double width = std::max(
        1.0, std::min(column.width() - 8 * t, 1.6 * (band.height() - kDepth * unit - 3.6 * t)));
    const double height = width * 0.62;
    const QPointF centre(column.center().x(), column.center().y() - kDepth * unit / 2);
    return QRectF(centre.x() - width / 2, centre.y() - height / 2, width, height);
}

void PiePanelPainter::Draw(QPainter& painter, const QRect& area, const PageContext& context) {
    const double unit = ChartUnit(painter);
    const double t = ChartTextPixels(area, unit);
    const RangeBounds& r = context.ranges;
    const Band bands[3] = {{Parameter::Sys, context.summary.sys, r.sysLow, r.sysHigh},
                           {Parameter::Dia, context.summary.dia, r.diaLow, r.diaHigh},
                           {Parameter::Pr, context.summary.pr, r.prLow, r.prHigh}};
    const double height = area.height() / 3.0;
    for (int i = 0; i < 3; ++i) {
        const QRectF band(area.left(), area.top() + height * i, area.width(), height);
        if (i > 0) {
            painter.setPen(ChartPen(chart::kGridGrey, unit, 0.5));
            painter.drawLine(band.topLeft(), band.topRight());
        }
        const Columns columns = ColumnsOf(band);
        DrawStatistics(painter, columns.text, bands[i], context.texts, t);
        DrawPie(painter, PieRect(band, unit, t), bands[i].block, unit, t);
        DrawLegend(painter, columns.legend, bands[i], context.texts, unit, t);
    }
}

}  // namespace vitalis
