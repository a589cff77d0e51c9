#include "BarTrendDrawing.h"

#include <QPainter>
#include <algorithm>

#include "ReportFormat.h"
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

const QColor kBarBlue(70, 120, 180), kExcludedGrey(170, 170, 170), kPulseGreen(0, 140, 0);
const QColor kAwakeRed(200, 0, 0), kAsleepBlue(0, 0, 160);

QString DateOf(int64_t minute) {
    const ClockTime t = ClockTimeFromMinutes(minute);
    return Date({t.year, t.month, t.day});
}

void DrawScale(QPainter& p, const Frame& f, const TextSource& texts) {
    p.setPen(QPen(QColor(200, 200, 200), 0.6));
    for (int value : ValueTicks(f.range, f.plot.height(), 24)) {
        const double y = f.Y(value);
        p.drawLine(QPointF(f.plot.left(), y), QPointF(f.plot.right(), y));
        p.setPen(Qt::black);
        p.drawText(QRectF(f.plot.left() - 40, y - 8, 34, 16), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(value));
        p.setPen(QPen(QColor(200, 200, 200), 0.6));
    }
    p.setPen(Qt::black);
    const int line = p.fontMetrics().height();
    p.drawText(QRectF(f.plot.left() - 44, f.plot.top() - line - 4, 300, line),
               Qt::AlignLeft | Qt::AlignBottom, ReportText(texts, "IDS_RPT_PRESSURE_AXIS"));
    // A tick at every full hour, labelled every other hour; the date under the first label
    // and under every midnight.
    bool dated = false;
    for (int64_t minute = (f.first / 60 + 1) * 60; minute <= f.last; minute += 60) {
        const double x = f.X(minute);
        p.drawLine(QPointF(x, f.plot.bottom()), QPointF(x, f.plot.bottom() + 4));
        const int hour = static_cast<int>((minute / 60) % 24);
        if (hour % 2 != 0) continue;
        p.drawText(QRectF(x - 15, f.plot.bottom() + 5, 30, line), Qt::AlignCenter,
                   QString::number(hour));
        if (hour == 0 || !dated)
            p.drawText(QRectF(x - 60, f.plot.bottom() + 5 + line, 120, line), Qt::AlignCenter,
                       DateOf(minute));
        dated = true;
    }
    p.drawText(QRectF(f.plot.left(), f.plot.bottom() + 5 + 2 * line, f.plot.width(), line),
               Qt::AlignCenter, ReportText(texts, "IDS_RPT_HOUR_AXIS"));
    p.drawRect(f.plot);
}

// One legend entry: its mark drawn into a small box, then its text; returns the next x.
template <typename Mark>
double LegendEntry(QPainter& p, QPointF at, const QString& text, Mark mark) {
    const int line = p.fontMetrics().height();
    const QRectF box(at.x(), at.y() + 2, 18, line - 4);
    p.save();
    mark(box);
    p.restore();
    p.setPen(Qt::black);
    p.drawText(QRectF(box.right() + 4, at.y(), 400, line), Qt::AlignLeft | Qt::AlignVCenter, text);
    return box.right() + 4 + p.fontMetrics().horizontalAdvance(text) + 16;
}

void DrawLegend(QPainter& p, QPointF at, const TextSource& texts) {
    const auto bar = [&p](const QColor& colour) {
        return [&p, colour](const QRectF& box) {
            p.fillRect(QRectF(box.center().x() - 3, box.top(), 6, box.height()), colour);
        };
    };
    const auto dashed = [&p](const QColor& colour) {
        return [&p, colour](const QRectF& box) {
            p.setPen(QPen(colour, 1, Qt::DashLine));
            p.drawLine(QPointF(box.left(), box.center().y()),
                       QPointF(box.right(), box.center().y()));
        };
    };
    const QString threshold = ReportText(texts, "IDS_RPT_THRESHOLD");
    double x = at.x();
    x = LegendEntry(p, {x, at.y()}, ParameterName(texts, 0) + "–" + ParameterName(texts, 1),
                    bar(kBarBlue));
    x = LegendEntry(p, {x, at.y()}, ReportText(texts, "IDS_RPT_EXCLUDED"), bar(kExcludedGrey));
    x = LegendEntry(p, {x, at.y()}, ParameterName(texts, 2), [&p](const QRectF& box) {
        p.setPen(Qt::NoPen);
        p.setBrush(kPulseGreen);
        p.drawEllipse(box.center(), 2.0, 2.0);
    });
    x = LegendEntry(p, {x, at.y()}, PeriodName(texts, 1) + " " + threshold, dashed(kAwakeRed));
    LegendEntry(p, {x, at.y()}, PeriodName(texts, 2) + " " + threshold, dashed(kAsleepBlue));
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
                  const ThresholdSettings& thresholds, const TextSource& texts,
                  const std::optional<TimeWindow>& window) {
    const std::vector<TrendRow> rows = BuildTrendRows(recording);
    if (rows.empty()) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const int line = p.fontMetrics().height();
    Frame f;
    f.plot = area.adjusted(48, line + 10, -90, -(4 * line + 18));
    f.range = TrendValueRange(rows, thresholds).value_or(ValueRange{});
    f.first = window ? window->first : rows.front().minute;
    f.last = window ? window->last : std::max(rows.back().minute, f.first + 60);
    DrawScale(p, f, texts);
    DrawLegend(p, QPointF(f.plot.left(), f.plot.bottom() + 10 + 3 * line), texts);
    const auto label = [&texts](int slot, int parameter) {
        return QStringLiteral("%1 %2").arg(PeriodName(texts, slot),
                                           ParameterName(texts, parameter));
    };
    DrawThreshold(p, f, thresholds.awakeSys, kAwakeRed, label(1, 0));
    DrawThreshold(p, f, thresholds.awakeDia, kAwakeRed, label(1, 1));
    DrawThreshold(p, f, thresholds.asleepSys, kAsleepBlue, label(2, 0));
    DrawThreshold(p, f, thresholds.asleepDia, kAsleepBlue, label(2, 1));
    const double shown =
        static_cast<double>(std::count_if(rows.begin(), rows.end(), [&](const TrendRow& r) {
            return r.minute >= f.first && r.minute <= f.last;
        }));
    const double barWidth = std::clamp(f.plot.width() / (2.0 * std::max(1.0, shown)), 1.0, 6.0);
    p.setClipRect(f.plot);
    for (const TrendRow& row : rows) {
        if (row.minute < f.first || row.minute > f.last) continue;
        const double x = f.X(row.minute);
        p.fillRect(QRectF(x - barWidth / 2, f.Y(row.sys), barWidth, f.Y(row.dia) - f.Y(row.sys)),
                   row.valid ? kBarBlue : kExcludedGrey);
        p.setBrush(kPulseGreen);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(x, f.Y(row.pr)), 1.5, 1.5);
    }
    p.restore();
}

}  // namespace vitalis::report
