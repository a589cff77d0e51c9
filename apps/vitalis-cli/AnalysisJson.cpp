#include "AnalysisJson.h"

#include "analysis/AnalysisOrder.h"
#include "analysis/Correlation.h"
#include "analysis/Histograms.h"

namespace vitalis::cli {
namespace {

// Single-precision figures are shown as the float holds them.
double Wide(float value) {
    return static_cast<double>(value);
}

Json ParameterJson(const ParameterStats& p) {
    return Json{{"maxIndex", p.maxIndex}, {"minIndex", p.minIndex}, {"mean", Wide(p.mean)}};
}

Json PeriodStatsJson(const PeriodStats& s) {
    return Json{{"count", s.count},
                {"sysAboveCount", s.sysAboveCount},
                {"diaAboveCount", s.diaAboveCount},
                {"sys", ParameterJson(s.sys)},
                {"dia", ParameterJson(s.dia)},
                {"pr", ParameterJson(s.pr)},
                {"map", ParameterJson(s.map)},
                {"pp", ParameterJson(s.pp)}};
}

Json SpreadJson(const Spread& s) {
    return Json{{"sd", s.sd}, {"se", s.se}, {"cv", s.cv}};
}

Json PeriodSpreadJson(const PeriodSpread& s) {
    return Json{{"sys", SpreadJson(s.sys)},
                {"dia", SpreadJson(s.dia)},
                {"pr", SpreadJson(s.pr)},
                {"map", SpreadJson(s.map)}};
}

Json HistogramJson(const HistogramSet& h) {
    return Json{{"sys", h.sys}, {"dia", h.dia}, {"pr", h.pr}};
}

Json BlockJson(const SummaryBlock& b) {
    return Json{{"maxValue", b.maxValue},
                {"maxHour", b.maxHour},
                {"maxMinute", b.maxMinute},
                {"maxDay", b.maxDay},
                {"maxMonth", b.maxMonth},
                {"maxYear", b.maxYear},
                {"minValue", b.minValue},
                {"minHour", b.minHour},
                {"minMinute", b.minMinute},
                {"minDay", b.minDay},
                {"minMonth", b.minMonth},
                {"minYear", b.minYear},
                {"mean", Wide(b.mean)},
                {"belowFraction", b.belowFraction},
                {"withinFraction", b.withinFraction},
                {"aboveFraction", b.aboveFraction}};
}

Json SummaryJson(const PeriodSummary& s) {
    return Json{{"sys", BlockJson(s.sys)}, {"dia", BlockJson(s.dia)}, {"pr", BlockJson(s.pr)}};
}

Json PointsJson(const std::vector<CorrelationPoint>& points) {
    Json list = Json::array();
    for (const CorrelationPoint& p : points) list.push_back(Json::array({p.sys, p.dia}));
    return list;
}

Json CorrelationJson(const CorrelationData& c) {
    return Json{{"diaOnSysSlope", c.diaOnSysSlope},
                {"diaOnSysIntercept", c.diaOnSysIntercept},
                {"sysOnDiaSlope", c.sysOnDiaSlope},
                {"sysOnDiaIntercept", c.sysOnDiaIntercept},
                {"centreSys", c.centreSys},
                {"centreDia", c.centreDia},
                {"r", c.r},
                {"awakePoints", PointsJson(c.awakePoints)},
                {"asleepPoints", PointsJson(c.asleepPoints)}};
}

Json ReportJson(const AnalysisResults& r) {
    return Json{{"reportR", r.reportR},
                {"reportDiaOnSysSlope", r.reportDiaOnSysSlope},
                {"reportDiaOnSysIntercept", r.reportDiaOnSysIntercept},
                {"reportSysOnDiaSlope", r.reportSysOnDiaSlope},
                {"reportSysOnDiaIntercept", r.reportSysOnDiaIntercept},
                {"reportCentreSys", r.reportCentreSys},
                {"reportCentreDia", r.reportCentreDia},
                {"stiffnessIndex", r.stiffnessIndex}};
}

template <typename PerPeriod>
Json ByPeriod(PerPeriod&& of) {
    Json out = Json::object();
    for (Period period : kPeriods) out[PeriodKey(period)] = of(period);
    return out;
}

}  // namespace

Json AnalysisJson(const Recording& recording, const std::optional<RangeBounds>& ranges) {
    AnalysisResults r;
    const ReportAnalysis report = RunReportAnalysis(recording, r);

    Json histograms = Json::object();
    Json summaries = Json::object();
    for (Period period : kPeriods) {
        const RangeBounds bounds = ranges ? *ranges : InitialRanges(period, recording.thresholds());
        const PeriodSummary summary = SelectPeriod(r, period, bounds);
        histograms[PeriodKey(period)] = HistogramJson(r.histograms);
        summaries[PeriodKey(period)] = SummaryJson(summary);
    }
    BuildCorrelationData(recording, r);

    return Json{{"divided", report.divided},
                {"validCount", r.validCount},
                {"awakeCount", r.awakeCount},
                {"asleepCount", r.asleepCount},
                {"periods", ByPeriod([&](Period p) { return PeriodStatsJson(r.Stats(p)); })},
                {"spread", ByPeriod([&](Period p) { return PeriodSpreadJson(r.SpreadOf(p)); })},
                {"awakeSysLoad", r.awakeSysLoad},
                {"awakeDiaLoad", r.awakeDiaLoad},
                {"asleepSysLoad", r.asleepSysLoad},
                {"asleepDiaLoad", r.asleepDiaLoad},
                {"totalSysLoad", r.totalSysLoad},
                {"totalDiaLoad", r.totalDiaLoad},
                {"variationComputed", report.variationComputed},
                {"sysHourlyRatio", r.sysHourlyRatio},
                {"diaHourlyRatio", r.diaHourlyRatio},
                {"hourlyRatioComputed", report.hourlyRatioComputed},
                {"sysNocturnalFall", r.sysNocturnalFall},
                {"diaNocturnalFall", r.diaNocturnalFall},
                {"nocturnalFallComputed", report.nocturnalFallComputed},
                {"histograms", histograms},
                {"summaries", summaries},
                {"correlation", CorrelationJson(r.correlation)},
                {"report", ReportJson(r)}};
}

}  // namespace vitalis::cli
