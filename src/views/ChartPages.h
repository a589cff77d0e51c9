#pragma once

#include <memory>

#include "views/ChartPainter.h"
#include "views/TrendGraphPainter.h"

namespace vitalis {

// A painter for one page kind, fresh: no reading under the pointer, nothing remembered. The
// printed pages use these.
std::unique_ptr<PagePainter> MakeChartPainter(PageKind kind, PaintFailureReport report,
                                              TrendGraphPainter::ToggleQuestion mayToggle = {});

// Gives the controller the trend, histogram, pie, correlation and clinical summary pages.
void InstallChartPages(PageController& controller, PaintFailureReport report,
                       TrendGraphPainter::ToggleQuestion mayToggle = {});

}  // namespace vitalis
