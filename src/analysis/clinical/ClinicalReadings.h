#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "case/AnalysisResults.h"
#include "case/Period.h"
#include "case/Recording.h"

namespace vitalis::clinical {

// One analysed reading as the clinical figures see it: its instant to the minute, its
// values and the period the analysis put it in.
struct TimedReading {
    int64_t minutes = 0;  // since 1970-01-01 00:00
    int hour = 0;         // clock hour 0..23
    int sys = 0;
    int dia = 0;
    int pr = 0;
    bool awake = false;
    bool asleep = false;  // neither in a recording without awake and asleep lists
};

// The analysed readings (those of the division) in time order; readings of the same minute
// keep their stored order. The period lists hold the same readings, filtered.
struct ClinicalReadings {
    std::vector<TimedReading> whole;
    std::vector<TimedReading> awake;
    std::vector<TimedReading> asleep;

    const std::vector<TimedReading>& Of(Period period) const;
};

// From a division already made on `results` (its lists, not its statistics).
ClinicalReadings OrderReadings(const Recording& recording, const AnalysisResults& results);

}  // namespace vitalis::clinical
