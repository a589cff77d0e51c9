#pragma once

#include "case/AnalysisResults.h"

namespace vitalis {

// Population SD and standard error of SYS, DIA, PR and MAP for each period; a period without
// readings keeps 0.
void ComputeSpread(AnalysisResults& results);

// Coefficients of variation (SD / mean) of SYS, DIA, PR and MAP: whole recording, then awake,
// then asleep, skipping empty periods. Stops at the first mean that is zero and returns
// false; that coefficient and every later one stay 0.
bool ComputeVariation(AnalysisResults& results);

}  // namespace vitalis
