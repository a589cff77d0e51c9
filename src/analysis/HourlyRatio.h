#pragma once

#include <array>
#include <vector>

#include "case/AnalysisResults.h"

namespace vitalis {

// The mean of a parameter for each clock hour 0-23 over readings of any date: the integer
// sum divided by the number of readings, truncated; 0 for an hour without readings.
std::array<int, 24> HourlyMeans(const std::vector<Measurement>& list, Parameter parameter);

// How smooth the day's profile of SYS and DIA is: the mean of the 24 hourly means divided by
// their population SD, over every valid reading. Every hour takes part, empty ones as 0.
// Returns false when a mean or the spread is zero; SYS is done first, and a ratio not
// reached stays 0.
bool ComputeHourlyRatio(AnalysisResults& results);

}  // namespace vitalis
