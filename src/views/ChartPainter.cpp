#include "views/ChartPainter.h"

#include "case/TextSource.h"
#include "views/ChartStyle.h"

namespace vitalis {

ChartPainter::ChartPainter(std::string location, PaintFailureReport report)
    : location_(std::move(location)), report_(std::move(report)) {}

void ChartPainter::Paint(QPainter& painter, const QRect& area, const PageContext& context) {
    try {
        PainterStateGuard state(painter);
        Draw(painter, area, context);
        failing_ = false;
    } catch (...) {
        Report(context);
    }
}

void ChartPainter::Report(const PageContext& context) {
    // Every repaint would fail the same way; one message per run of failures is enough.
    if (failing_) return;
    failing_ = true;
    if (!report_) return;
    try {
        report_(ToQString(context.texts.Text(kGlobalTexts, "IDS_SYS_ERROR")) + QLatin1Char(' ') +
                ToQString(location_));
    } catch (...) {
        // Nothing more can be said from inside a paint.
    }
}

}  // namespace vitalis
