#include "views/TrendDiaryMarkers.h"

#include <QStringList>
#include <cmath>
#include <functional>

#include "case/TextSource.h"
#include "views/ChartStyle.h"

namespace vitalis {
namespace {

constexpr double kRadius = 4.0;  // screen pixels

// The centre of an event's diamond, or nothing when the event lies outside the plot.
std::optional<QPointF> MarkerAt(const TrendLayout& layout, const DiaryEvent& event) {
    const double x = layout.XOf(MinutesOf(event.time));
    if (x < layout.plot.left() || x > layout.plot.right()) return std::nullopt;
    return QPointF(x, layout.plot.bottom() - 3 * kRadius * layout.unit);
}

}  // namespace

void DrawDiaryMarkers(QPainter& painter, const TrendLayout& layout, const Recording& recording) {
    if (recording.diary.events.empty()) return;
    painter.save();
    painter.setPen(ChartPen(Qt::black, layout.unit, 0.5));
    painter.setBrush(kDiaryMarkerBlue);
    const double r = kRadius * layout.unit;
    for (const DiaryEvent& event : recording.diary.events) {
        const auto c = MarkerAt(layout, event);
        if (!c) continue;
        const QPointF diamond[4] = {
            {c->x(), c->y() - r}, {c->x() + r, c->y()}, {c->x(), c->y() + r}, {c->x() - r, c->y()}};
        painter.drawPolygon(diamond, 4);
    }
    painter.restore();
}

QString DiaryMarkerTip(const QPoint& point, const TrendLayout& layout, const Recording& recording,
                       const TextSource& texts) {
    QStringList lines;
    const QPointF at(point);
    const double reach = 2 * kRadius * layout.unit;
    for (const DiaryEvent& event : recording.diary.events) {
        const auto c = MarkerAt(layout, event);
        if (!c || std::abs(c->x() - at.x()) > reach || std::abs(c->y() - at.y()) > reach) continue;
        const QString kind =
            QString::fromStdString(texts.Text(kDiaryTexts, DiaryKindTextKey(event.kind)));
        lines << (event.text.empty() ? kind : kind + ": " + QString::fromStdString(event.text));
    }
    return lines.join('\n');
}

int64_t DiaryMarkersKey(const Recording& recording) {
    size_t key = recording.diary.events.size();
    for (const DiaryEvent& event : recording.diary.events) {
        key = key * 31 + static_cast<size_t>(MinutesOf(event.time)) * 5 +
              static_cast<size_t>(event.kind);
        key = key * 31 + std::hash<std::string>{}(event.text);
    }
    return static_cast<int64_t>(key);
}

}  // namespace vitalis
