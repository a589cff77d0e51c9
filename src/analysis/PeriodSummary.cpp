#include "analysis/PeriodSummary.h"

namespace vitalis {
namespace {

// The reading at `index` of the list, or null when the index points outside it (figures
// left from before another division).
const Measurement* At(const std::vector<Measurement>& list, int index) {
    if (index < 0 || static_cast<size_t>(index) >= list.size()) return nullptr;
    return &list[static_cast<size_t>(index)];
}

SummaryBlock BlockOf(const std::vector<Measurement>& list, const ParameterStats& stats,
                     Parameter parameter, int low, int high) {
    SummaryBlock b;
    if (const Measurement* m = At(list, stats.maxIndex)) {
        b.maxValue = ValueOf(*m, parameter);
        b.maxHour = m->hour, b.maxMinute = m->minute;
        b.maxDay = m->day, b.maxMonth = m->month, b.maxYear = m->year;
    }
    if (const Measurement* m = At(list, stats.minIndex)) {
        b.minValue = ValueOf(*m, parameter);
        b.minHour = m->hour, b.minMinute = m->minute;
        b.minDay = m->day, b.minMonth = m->month, b.minYear = m->year;
    }
    b.mean = stats.mean;
    const RangeSplit split = SplitByRange(ValuesOf(list, parameter), low, high);
    b.belowFraction = split.below;
    b.withinFraction = split.within;
    b.aboveFraction = split.above;
    return b;
}

}  // namespace

RangeBounds InitialRanges(Period period, const ThresholdSettings& thresholds) {
    RangeBounds bounds;
    const bool asleep = period == Period::Asleep;
    bounds.sysHigh = asleep ? thresholds.asleepSys : thresholds.awakeSys;
    bounds.diaHigh = asleep ? thresholds.asleepDia : thresholds.awakeDia;
    return bounds;
}

RangeSplit SplitByRange(std::span<const int> values, int low, int high) {
    RangeSplit split;
    if (values.empty()) return split;
    int below = 0, within = 0, above = 0;
    for (int v : values) {
        if (v > high) {
            ++above;
        } else if (v > low) {
            ++within;
        } else {
            ++below;
        }
    }
    const auto n = static_cast<double>(values.size());
    split.below = below / n;
    split.within = within / n;
    split.above = above / n;
    return split;
}

PeriodSummary BuildPeriodSummary(const AnalysisResults& results, Period period,
                                 const RangeBounds& bounds) {
    PeriodSummary summary;
    const std::vector<Measurement>& list = results.List(period);
    if (list.empty()) return summary;
    const PeriodStats& stats = results.Stats(period);
    summary.sys = BlockOf(list, stats.sys, Parameter::Sys, bounds.sysLow, bounds.sysHigh);
    summary.dia = BlockOf(list, stats.dia, Parameter::Dia, bounds.diaLow, bounds.diaHigh);
    summary.pr = BlockOf(list, stats.pr, Parameter::Pr, bounds.prLow, bounds.prHigh);
    return summary;
}

}  // namespace vitalis
