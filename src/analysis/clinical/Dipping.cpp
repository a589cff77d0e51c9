#include "analysis/clinical/Dipping.h"

#include <cmath>

#include "analysis/PressureLoad.h"

namespace vitalis::clinical {
namespace {

DippingFigures FiguresOf(double fall, float awakeMean, float asleepMean) {
    DippingFigures f;
    f.ratio = fall;
    f.nightDayRatio = static_cast<double>(asleepMean) / static_cast<double>(awakeMean);
    f.dippingClass = ClassifyDipping(fall);
    return f;
}

}  // namespace

DippingClass ClassifyDipping(double ratio) {
    // Thousandths as a whole number, so that the bounds are compared exactly; -0.0004
    // becomes 0, a non-dipper.
    const long thousandths = std::lround(ratio * 1000.0);
    if (thousandths < 0) return DippingClass::Reverse;
    if (thousandths < 100) return DippingClass::NonDipper;
    if (thousandths < 200) return DippingClass::Dipper;
    return DippingClass::Extreme;
}

Dipping ComputeDipping(const AnalysisResults& results) {
    Dipping d;
    const std::optional<NocturnalFalls> falls = NocturnalFallOf(results);
    if (!falls) return d;
    const PeriodStats& awake = results.Stats(Period::Awake);
    const PeriodStats& asleep = results.Stats(Period::Asleep);
    d.sys = FiguresOf(falls->sys, awake.sys.mean, asleep.sys.mean);
    d.dia = FiguresOf(falls->dia, awake.dia.mean, asleep.dia.mean);
    return d;
}

}  // namespace vitalis::clinical
