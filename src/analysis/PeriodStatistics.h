#pragma once

#include "case/AnalysisResults.h"
#include "case/ThresholdSettings.h"

namespace vitalis {

// Fills the three periods' counts, above-threshold counts, extremes and means from the lists
// of the division. Awake readings are judged by the awake thresholds and asleep readings by
// the asleep ones; the whole recording's above-counts are the sum of the two, not a fresh
// count, so a multi-day recording (no period lists) has none.
void ComputePeriodStats(const ThresholdSettings& thresholds, AnalysisResults& results);

}  // namespace vitalis
