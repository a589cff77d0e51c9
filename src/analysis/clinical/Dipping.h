#pragma once

#include <optional>

#include "case/AnalysisResults.h"

namespace vitalis::clinical {

// How far the pressure falls in sleep, classed on the fall rounded to three decimals.
enum class DippingClass { Reverse, NonDipper, Dipper, Extreme };

struct DippingFigures {
    std::optional<double> ratio;          // 1 - asleep mean / awake mean
    std::optional<double> nightDayRatio;  // asleep mean / awake mean
    std::optional<DippingClass> dippingClass;
};

struct Dipping {
    DippingFigures sys;
    DippingFigures dia;
};

DippingClass ClassifyDipping(double ratio);

// From the period means of ComputePeriodStats, as the nocturnal fall takes them; nothing is
// computed when the nocturnal fall is not.
Dipping ComputeDipping(const AnalysisResults& results);

}  // namespace vitalis::clinical
