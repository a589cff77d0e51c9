#include "analysis/AnalysisOrder.h"

#include "analysis/Correlation.h"
#include "analysis/Histograms.h"
#include "analysis/HourlyRatio.h"
#include "analysis/PeriodDivision.h"
#include "analysis/PeriodStatistics.h"
#include "analysis/PressureLoad.h"
#include "analysis/Spread.h"

namespace vitalis {

ViewAnalysis RunViewAnalysis(const Recording& recording, AnalysisResults& results, Period period,
                             const RangeBounds& bounds) {
    ViewAnalysis view;
    view.divided = DivideMeasurements(recording, results);
    ComputePeriodStats(recording.thresholds(), results);
    view.summary = SelectPeriod(results, period, bounds);
    BuildCorrelationData(recording, results);
    return view;
}

PeriodSummary SelectPeriod(AnalysisResults& results, Period period, const RangeBounds& bounds) {
    ComputeHistograms(results, period);
    return BuildPeriodSummary(results, period, bounds);
}

ReportAnalysis RunReportAnalysis(const Recording& recording, AnalysisResults& results) {
    ReportAnalysis report;
    report.divided = DivideMeasurements(recording, results);
    ComputeSpread(results);
    ComputePeriodStats(recording.thresholds(), results);
    ComputeLoads(results);
    report.variationComputed = ComputeVariation(results);
    report.hourlyRatioComputed = ComputeHourlyRatio(results);
    report.correlationComputed = ComputeCorrelation(results);
    report.regressionComputed = ComputeRegression(results);
    report.nocturnalFallComputed = ComputeNocturnalFall(results);
    return report;
}

}  // namespace vitalis
