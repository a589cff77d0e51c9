#include "views/ChartPages.h"

#include "views/ClinicalSummaryPainter.h"
#include "views/CorrelationPainter.h"
#include "views/HistogramPainter.h"
#include "views/PiePanelPainter.h"

namespace vitalis {

std::unique_ptr<PagePainter> MakeChartPainter(PageKind kind, PaintFailureReport report) {
    switch (kind) {
        case PageKind::Trend:
            return std::make_unique<TrendGraphPainter>(std::move(report));
        case PageKind::Histogram:
            return std::make_unique<HistogramPainter>(std::move(report));
        case PageKind::Pie:
            return std::make_unique<PiePanelPainter>(std::move(report));
        case PageKind::Correlation:
            return std::make_unique<CorrelationPainter>(std::move(report));
        case PageKind::Clinical:
            return std::make_unique<ClinicalSummaryPainter>(std::move(report));
    }
    return nullptr;
}

void InstallChartPages(PageController& controller, PaintFailureReport report) {
    for (const PageKind kind : {PageKind::Trend, PageKind::Histogram, PageKind::Pie,
                                PageKind::Correlation, PageKind::Clinical}) {
        controller.SetPainter(kind, MakeChartPainter(kind, report));
    }
}

}  // namespace vitalis
