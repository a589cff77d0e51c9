#include "analysis/PressureLoad.h"

namespace vitalis {
namespace {

double Share(int part, int count) {
    return count > 0 ? static_cast<double>(part) / static_cast<double>(count) : 0.0;
}

double Fall(float awakeMean, float asleepMean) {
    const double awake = awakeMean;
    return (awake - static_cast<double>(asleepMean)) / awake;
}

}  // namespace

void ComputeLoads(AnalysisResults& results) {
    const PeriodStats& awake = results.Stats(Period::Awake);
    const PeriodStats& asleep = results.Stats(Period::Asleep);
    const PeriodStats& whole = results.Stats(Period::Whole);
    results.awakeSysLoad = Share(awake.sysAboveCount, results.awakeCount);
    results.awakeDiaLoad = Share(awake.diaAboveCount, results.awakeCount);
    results.asleepSysLoad = Share(asleep.sysAboveCount, results.asleepCount);
    results.asleepDiaLoad = Share(asleep.diaAboveCount, results.asleepCount);
    results.totalSysLoad = Share(whole.sysAboveCount, results.validCount);
    results.totalDiaLoad = Share(whole.diaAboveCount, results.validCount);
}

std::optional<NocturnalFalls> NocturnalFallOf(const AnalysisResults& results) {
    const PeriodStats& awake = results.Stats(Period::Awake);
    const PeriodStats& asleep = results.Stats(Period::Asleep);
    if (awake.sys.mean == 0.0f || awake.dia.mean == 0.0f) return std::nullopt;
    // An empty night has mean 0, which would read as a fall of 100 %.
    if (asleep.count == 0) return std::nullopt;
    return NocturnalFalls{Fall(awake.sys.mean, asleep.sys.mean),
                          Fall(awake.dia.mean, asleep.dia.mean)};
}

bool ComputeNocturnalFall(AnalysisResults& results) {
    const std::optional<NocturnalFalls> falls = NocturnalFallOf(results);
    results.sysNocturnalFall = falls ? falls->sys : 0.0;
    results.diaNocturnalFall = falls ? falls->dia : 0.0;
    return falls.has_value();
}

}  // namespace vitalis
