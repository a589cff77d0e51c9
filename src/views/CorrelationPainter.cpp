#include "views/CorrelationPainter.h"

#include <QPainter>

#include "analysis/ChartTexts.h"
#include "analysis/RegressionLines.h"
#include "case/TextSource.h"
#include "views/ChartStyle.h"

namespace vitalis {
namespace {

constexpr double kSysMax = 250.0;
constexpr double kDiaMax = 200.0;

QString Text(const PageContext& context, std::string_view key) {
    return ToQString(context.texts.Text(kNoticeTexts, key));
}

void DrawAxes(QPainter& painter, const QRectF& plot, const PageContext& context, double unit,
              double t) {
    painter.setFont(ChartFont(t));
    for (int sys = 0; sys <= kSysMax; sys += 10) {
        const QPointF at = CorrelationPainter::PointAt(plot, sys, 0);
        const bool labelled = sys % 50 == 0;
        if (labelled && sys > 0) {
            painter.setPen(ChartPen(chart::kGridGrey, unit, 0.5));
            painter.drawLine(at, QPointF(at.x(), plot.top()));
        }
        painter.setPen(ChartPen(Qt::black, unit));
        painter.drawLine(at, at + QPointF(0, (labelled ? 0.6 : 0.3) * t));
        if (labelled) {
            painter.drawText(QRectF(at.x() - 2 * t, at.y() + 0.7 * t, 4 * t, 1.4 * t),
                             Qt::AlignHCenter | Qt::AlignTop, QString::number(sys));
        }
    }
    for (int dia = 0; dia <= kDiaMax; dia += 10) {
        const QPointF at = CorrelationPainter::PointAt(plot, 0, dia);
        const bool labelled = dia % 50 == 0;
        if (labelled && dia > 0) {
            painter.setPen(ChartPen(chart::kGridGrey, unit, 0.5));
            painter.drawLine(at, QPointF(plot.right(), at.y()));
        }
        painter.setPen(ChartPen(Qt::black, unit));
        painter.drawLine(at, at - QPointF((labelled ? 0.6 : 0.3) * t, 0));
        if (labelled) {
            painter.drawText(QRectF(at.x() - 4.7 * t, at.y() - t, 4 * t, 2 * t),
                             Qt::AlignRight | Qt::AlignVCenter, QString::number(dia));
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    painter.drawText(QRectF(plot.left(), plot.bottom() + 2.2 * t, plot.width(), 1.6 * t),
                     Qt::AlignHCenter | Qt::AlignTop, Text(context, "IDS_SYS"));
    PainterStateGuard turned(painter);
    painter.translate(plot.left() - 4.0 * t, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, -1.8 * t, plot.height(), 1.6 * t),
                     Qt::AlignHCenter | Qt::AlignBottom, Text(context, "IDS_DIA"));
}

void DrawPoints(QPainter& painter, const QRectF& plot, const std::vector<CorrelationPoint>& points,
                const QColor& colour, double unit) {
    painter.setPen(ChartPen(colour, unit));
    painter.setBrush(Qt::NoBrush);
    const double r = 2.0 * unit;
    for (const CorrelationPoint& point : points) {
        painter.drawEllipse(CorrelationPainter::PointAt(plot, point.sys, point.dia), r, r);
    }
}

void DrawLine(QPainter& painter, const QRectF& plot, const std::optional<ValueSegment>& line,
              Qt::PenStyle style, double unit) {
    if (!line) return;
    QPen pen = ChartPen(Qt::black, unit, 1.2);
    pen.setStyle(style);
    painter.setPen(pen);
    painter.drawLine(CorrelationPainter::PointAt(plot, line->x1, line->y1),
                     CorrelationPainter::PointAt(plot, line->x2, line->y2));
}

void DrawLegend(QPainter& painter, const QRectF& plot, const PageContext& context, double unit,
                double t) {
    const QString names[2] = {Text(context, "IDS_BP_DAY"), Text(context, "IDS_BP_NIGHT")};
    const QColor colours[2] = {chart::kAwakePoint, chart::kAsleepPoint};
    painter.setFont(ChartFont(t));
    const double y = plot.top() - 1.6 * t;
    double x = plot.right() - 16 * t;
    for (int i = 0; i < 2; ++i) {
        painter.setPen(ChartPen(colours[i], unit));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(x, y), 2.0 * unit, 2.0 * unit);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x + 0.8 * t, y - t, 7 * t, 2 * t), Qt::AlignLeft | Qt::AlignVCenter,
                         names[i]);
        x += 8 * t;
    }
}

void DrawFigures(QPainter& painter, const QRectF& plot, const PageContext& context, double t) {
    painter.setPen(Qt::black);
    painter.setFont(ChartFont(t));
    double y = plot.top() + 0.6 * t;
    for (const LabelledValue& line :
         CorrelationLines(context.recording.analysis.correlation, context.texts)) {
        painter.drawText(QRectF(plot.left() + 0.8 * t, y, plot.width() - 1.6 * t, 1.6 * t),
                         Qt::AlignLeft | Qt::AlignVCenter, ToQString(line.Joined()));
        y += 1.6 * t;
    }
}

}  // namespace

CorrelationPainter::CorrelationPainter(PaintFailureReport report)
    : ChartPainter("ZuzodIriz in Repaint", std::move(report)) {}

QRectF CorrelationPainter::PlotRect(const QRect& area) {
    const QRectF a(area);
    return QRectF(QPointF(a.left() + a.width() * 0.07, a.top() + a.height() * 0.09),
                  QPointF(a.right() - a.width() * 0.04, a.bottom() - a.height() * 0.11));
}

QPointF CorrelationPainter::PointAt(const QRectF& plot, double sys, double dia) {
    return {plot.left() + plot.width() * sys / kSysMax,
            plot.bottom() - plot.height() * dia / kDiaMax};
}

void CorrelationPainter::Draw(QPainter& painter, const QRect& area, const PageContext& context) {
    const double unit = ChartUnit(painter);
    const double t = ChartTextPixels(area, unit);
    const QRectF plot = PlotRect(area);
    painter.fillRect(plot, Qt::white);
    DrawAxes(painter, plot, context, unit, t);
    const CorrelationData& data = context.recording.analysis.correlation;
    {
        PainterStateGuard clipped(painter);
        painter.setClipRect(plot);
        DrawPoints(painter, plot, data.awakePoints, chart::kAwakePoint, unit);
        DrawPoints(painter, plot, data.asleepPoints, chart::kAsleepPoint, unit);
        DrawLine(painter, plot, DiaOnSysLine(data), Qt::SolidLine, unit);
        DrawLine(painter, plot, SysOnDiaLine(data), Qt::DashLine, unit);
    }
    DrawLegend(painter, plot, context, unit, t);
    DrawFigures(painter, plot, context, t);
}

}  // namespace vitalis
