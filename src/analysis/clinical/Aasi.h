#pragma once

#include <optional>

#include "analysis/clinical/ClinicalReadings.h"

namespace vitalis::clinical {

// Ambulatory arterial stiffness index: 1 - the least-squares slope of DIA on SYS over all
// analysed readings. Nothing with fewer than three readings or when SYS does not vary.
std::optional<double> ComputeAasi(const std::vector<TimedReading>& readings);

}  // namespace vitalis::clinical
