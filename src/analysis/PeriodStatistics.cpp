#include "analysis/PeriodStatistics.h"

#include <algorithm>

#include "analysis/Descriptive.h"

namespace vitalis {
namespace {

constexpr Parameter kParameters[] = {Parameter::Sys, Parameter::Dia, Parameter::Pr, Parameter::Map,
                                     Parameter::Pp};

void FillFigures(Period period, const std::vector<Measurement>& list, PeriodStats& stats) {
    stats.count = static_cast<int>(list.size());
    if (list.empty()) return;
    for (Parameter parameter : kParameters) {
        const std::vector<int> values = ValuesOf(list, parameter);
        ParameterStats& figures = stats.Of(parameter);
        figures.maxIndex = IndexOfMax(values);
        figures.minIndex = IndexOfMin(values);
        // The whole recording's pulse pressure is averaged in double precision first.
        figures.mean = (period == Period::Whole && parameter == Parameter::Pp)
                           ? static_cast<float>(Mean(values))
                           : SinglePrecisionMean(values);
    }
}

int CountAbove(const std::vector<Measurement>& list, Parameter parameter, int threshold) {
    return static_cast<int>(std::count_if(list.begin(), list.end(), [&](const Measurement& m) {
        return ValueOf(m, parameter) > threshold;
    }));
}

}  // namespace

void ComputePeriodStats(const ThresholdSettings& thresholds, AnalysisResults& results) {
    results.stats = {};
    for (Period period : kPeriods) FillFigures(period, results.List(period), results.Stats(period));

    PeriodStats& awake = results.Stats(Period::Awake);
    awake.sysAboveCount =
        CountAbove(results.awakeMeasurements, Parameter::Sys, thresholds.awakeSys);
    awake.diaAboveCount =
        CountAbove(results.awakeMeasurements, Parameter::Dia, thresholds.awakeDia);
    PeriodStats& asleep = results.Stats(Period::Asleep);
    asleep.sysAboveCount =
        CountAbove(results.asleepMeasurements, Parameter::Sys, thresholds.asleepSys);
    asleep.diaAboveCount =
        CountAbove(results.asleepMeasurements, Parameter::Dia, thresholds.asleepDia);
    PeriodStats& whole = results.Stats(Period::Whole);
    whole.sysAboveCount = awake.sysAboveCount + asleep.sysAboveCount;
    whole.diaAboveCount = awake.diaAboveCount + asleep.diaAboveCount;
}

}  // namespace vitalis
