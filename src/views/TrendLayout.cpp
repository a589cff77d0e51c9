#include "views/TrendLayout.h"

#include <algorithm>
#include <cmath>

#include "analysis/TrendScale.h"
#include "views/ChartStyle.h"

namespace vitalis {

double TrendLayout::XOf(int64_t minute) const {
    const double span = static_cast<double>(std::max<int64_t>(1, window.Span()));
    return plot.left() + plot.width() * static_cast<double>(minute - window.first) / span;
}

int64_t TrendLayout::MinuteAt(double x) const {
    const double share = plot.width() > 0 ? (x - plot.left()) / plot.width() : 0;
    return window.first + std::llround(share * static_cast<double>(window.Span()));
}

TrendLayout LayOutTrend(const QRect& area, double unit, std::span<const TrendRow> rows,
                        const std::optional<TimeWindow>& shown) {
    TrendLayout layout;
    layout.unit = unit;
    layout.textPixels = ChartTextPixels(area, unit);
    const double t = layout.textPixels;
    const QRectF whole(area);
    const double left = whole.left() + 5.0 * t;
    const double right = whole.right() - 2.5 * t;
    const double top = whole.top() + 2.5 * t;
    const double bandHeight = 3.6 * t;
    const double bottom = whole.bottom() - bandHeight - 0.5 * t;
    layout.plot =
        QRectF(QPointF(left, top), QPointF(std::max(left + 1, right), std::max(top + 1, bottom)));
    layout.axisBand =
        QRectF(layout.plot.left(), layout.plot.bottom(), layout.plot.width(), bandHeight);

    if (shown) {
        layout.step =
            ChooseGridStep(std::max<int64_t>(60, shown->Span()), layout.plot.width(), 12.0 * unit);
        layout.window = *shown;
        return layout;
    }
    int64_t first = 0;
    int64_t last = 0;
    if (!rows.empty()) {
        const auto [low, high] = std::minmax_element(
            rows.begin(), rows.end(),
            [](const TrendRow& a, const TrendRow& b) { return a.minute < b.minute; });
        first = low->minute;
        last = high->minute;
    }
    layout.step =
        ChooseGridStep(std::max<int64_t>(60, last - first), layout.plot.width(), 12.0 * unit);
    layout.window = WindowAround(first, last, layout.step);
    return layout;
}

}  // namespace vitalis
