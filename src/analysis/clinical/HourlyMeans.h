#pragma once

#include <array>
#include <optional>

#include "analysis/clinical/ClinicalReadings.h"

namespace vitalis::clinical {

// The analysed readings of one clock hour, all days pooled.
struct HourlyMean {
    int hour = 0;
    int count = 0;
    std::optional<double> sys;  // none when the hour holds no reading
    std::optional<double> dia;
    std::optional<double> pr;
};

std::array<HourlyMean, 24> ComputeHourlyMeans(const std::vector<TimedReading>& readings);

}  // namespace vitalis::clinical
