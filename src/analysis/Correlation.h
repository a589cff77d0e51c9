#pragma once

#include <span>

#include "case/AnalysisResults.h"
#include "case/Recording.h"

namespace vitalis {

// Pearson's correlation coefficient of two equally long arrays. False, with r untouched,
// when the arrays are empty or differ in length, or when either is (nearly) constant.
bool PearsonR(std::span<const int> x, std::span<const int> y, double& r);

// The correlation chart's data over every valid reading: the points split by the period of
// their clock time (even in a multi-day recording), both regression lines where they can be
// fitted, the cloud centre (means, truncated) and r.
void BuildCorrelationData(const Recording& recording, AnalysisResults& results);

// The report's r over every valid reading; false, leaving 0, when it cannot be computed.
bool ComputeCorrelation(AnalysisResults& results);

// The report's regression lines, centre and stiffness index (1 - slope of DIA on SYS).
// Returns false when a line cannot be fitted (constant SYS or DIA); what comes after the
// failing line stays 0. The centre is the crossing point of the two lines, rounded; when the
// lines coincide (all points on one line) it is the rounded point of the means.
bool ComputeRegression(AnalysisResults& results);

}  // namespace vitalis
