#pragma once

#include "analysis/PeriodSummary.h"
#include "case/AnalysisResults.h"
#include "case/Recording.h"

namespace vitalis {

// The two ways the whole analysis is run. Each begins with a fresh division, so nothing of an
// earlier run survives. A division that fails leaves empty lists, and every later step still
// runs on them: the figures come out as zeros, as the views and the report expect.

// After a case is opened, readings are edited or excluded, or the sleep period changes:
// division, period figures, the chosen period's histograms and summary, the chart's
// correlation data. Loads, spread, variation, hourly ratio, the report's correlation and the
// nocturnal fall are left 0.
struct ViewAnalysis {
    bool divided = false;
    PeriodSummary summary;
};
ViewAnalysis RunViewAnalysis(const Recording& recording, AnalysisResults& results, Period period,
                             const RangeBounds& bounds);

// Another period or range chosen in the view: that period's histograms and summary.
PeriodSummary SelectPeriod(AnalysisResults& results, Period period, const RangeBounds& bounds);

// For the report: division, spread, period figures, loads, variation, hourly ratio,
// correlation, regression, nocturnal fall, in this order.
struct ReportAnalysis {
    bool divided = false;
    bool variationComputed = false;
    bool hourlyRatioComputed = false;
    bool correlationComputed = false;
    bool regressionComputed = false;
    bool nocturnalFallComputed = false;
};
ReportAnalysis RunReportAnalysis(const Recording& recording, AnalysisResults& results);

}  // namespace vitalis
