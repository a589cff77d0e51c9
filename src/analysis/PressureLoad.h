#pragma once

#include <optional>

#include "case/AnalysisResults.h"

namespace vitalis {

// The six pressure loads: the share of a period's readings above its threshold, from the
// above-counts of ComputePeriodStats. A period without readings has a load of 0.
void ComputeLoads(AnalysisResults& results);

// The nocturnal falls of SYS and DIA: (awake mean - asleep mean) / awake mean, from the
// single-precision period means. Returns false, leaving both 0, when either period has no
// readings or an awake mean is 0: without both periods there is no fall to speak of.
bool ComputeNocturnalFall(AnalysisResults& results);

// The same falls from the period figures without storing them; nothing when not computed.
struct NocturnalFalls {
    double sys = 0.0;
    double dia = 0.0;
};
std::optional<NocturnalFalls> NocturnalFallOf(const AnalysisResults& results);

}  // namespace vitalis
