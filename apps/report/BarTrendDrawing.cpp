#include "BarTrendDrawing.h"

#include <QPainter>

#include "ReportTexts.h"
#include "analysis/TrendRows.h"
#include "analysis/TrendScale.h"

namespace vitalis::report {

namespace {

struct Frame {
    QRect plot;
    ValueRange range;
    int64_t first = 0;
    int64_t last = 1;

    double X(int64_t minute) const {
        return plot.left() + plot.width() * static_cast<double>(minute - first) /
                                 static_cast<double>(last - first);
    }
    double Y(int value) const { return ValueToY(range, value, plot.top(), plot.bottom()); }
};

void DrawScale(QPainter& p, const Frame& f) {
    p.setPen(QPen(QColor(200, 200, 200), 0.6));
    for (int value : ValueTicks(f.range, f.plot.height(), 24)) {
        const double y = f.Y(value);
        p.drawLine(QPointF(f.plot.left(), y), QPointF(f.plot.right(), y));
        p.setPen(Qt::black);
        p.drawText(QRectF(f.plot.left() - 40, y - 8, 34, 16), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(value));
        p.setPen(QPen(QColor(200, 200, 200), 0.6));
    }
    // A tick at every full hour, labelled every other hour.
    p.setPen(Qt::black);
    for (int64_t minute = (f.first / 60 + 1) * 60; minute <= f.last; minute += 60) {
        const double x = f.X(minute);
        p.drawLine(QPointF(x, f.plot.bottom()), QPointF(x, f.plot.bottom() + 4));
        const int hour = static_cast<int>((minute / 60) % 24);
        if (hour % 2 == 0)
            p.drawText(QRectF(x - 15, f.plot.bottom() + 5, 30, 16), Qt::AlignCenter,
                       QString::number(hour));
    }
    p.drawRect(f.plot);
}

void DrawThreshold(QPainter& p, const Frame& f, int value, const QColor& colour,
                   const QString& label) {
    p.setPen(QPen(colour, 1, Qt::DashLine));
    const double y = f.Y(value);
    p.drawLine(QPointF(f.plot.left(), y), QPointF(f.plot.right(), y));
    p.drawText(QRectF(f.plot.right() + 4, y - 8, 80, 16), Qt::AlignVCenter, label);
}

}  // namespace

void DrawBarTrend(QPainter& p, const QRect& area, const Recording& recording,
                  const ThresholdSettings& thresholds, const TextSource& texts) {
    const std::vector<TrendRow> rows = BuildTrendRows(recording);
    if (rows.empty()) return;
    Frame f;
    f.plot = area.adjusted(48, 10, -90, -30);
    f.range = TrendValueRange(rows, thresholds).value_or(ValueRange{});
    f.first = rows.front().minute;
    f.last = std::max(rows.back().minute, f.first + 60);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    DrawScale(p, f);
    const auto label = [&texts](int slot, int parameter) {
        return QStringLiteral("%1 %2").arg(PeriodName(texts, slot), ParameterName(texts, parameter));
    };
    DrawThreshold(p, f, thresholds.awakeSys, QColor(200, 0, 0), label(1, 0));
    DrawThreshold(p, f, thresholds.awakeDia, QColor(200, 0, 0), label(1, 1));
    DrawThreshold(p, f, thresholds.asleepSys, QColor(0, 0, 160), label(2, 0));
    DrawThreshold(p, f, thresholds.asleepDia, QColor(0, 0, 160), label(2, 1));
    const double barWidth = std::clamp(f.plot.width() / (2.0 * rows.size()), 1.0, 6.0);
    for (const TrendRow& row : rows) {
        const double x = f.X(row.minute);
        const QColor colour = row.valid ? QColor(70, 120, 180) : QColor(170, 170, 170);
        p.fillRect(QRectF(x - barWidth / 2, f.Y(row.sys), barWidth, f.Y(row.dia) - f.Y(row.sys)),
                   colour);
        p.setBrush(QColor(0, 140, 0));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(x, f.Y(row.pr)), 1.5, 1.5);
    }
    p.restore();
}

}  // namespace vitalis::report
