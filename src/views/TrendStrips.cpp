#include "views/TrendStrips.h"

#include <QPainter>
#include <algorithm>

#include "views/ChartStyle.h"
#include "views/TrendDrawing.h"

namespace vitalis::trend {

void DrawStrips(QPainter& painter, const TrendLayout& layout, const ValueRange& range,
                const std::vector<TrendRow>& rows, const TrendCurves& curves) {
    DrawThresholdLine(painter, layout, curves.sysLimit);
    DrawThresholdLine(painter, layout, curves.diaLimit);
    const QRectF& plot = layout.plot;
    const auto shown = std::count_if(rows.begin(), rows.end(), [&](const TrendRow& row) {
        return row.minute >= layout.window.first && row.minute <= layout.window.last;
    });
    // Half the room of one reading, so neighbouring strips never touch.
    const double count = std::max(1.0, static_cast<double>(shown));
    const double width = std::clamp(plot.width() / (2.0 * count), layout.unit, 6.0 * layout.unit);
    PainterStateGuard state(painter);
    for (const TrendRow& row : rows) {
        if (!row.valid) continue;
        const double x = layout.XOf(row.minute);
        const double top = ValueToY(range, row.sys, plot.top(), plot.bottom());
        const double bottom = ValueToY(range, row.dia, plot.top(), plot.bottom());
        painter.fillRect(QRectF(x - width / 2, top, width, bottom - top), kStripBlue);
    }
    for (const CurveRun& run : curves.runs)
        DrawCurve(painter, layout, run.pr, chart::kMarkerBlue, false);
}

}  // namespace vitalis::trend
