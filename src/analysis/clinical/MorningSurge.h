#pragma once

#include <optional>
#include <vector>

#include "analysis/clinical/ClinicalReadings.h"
#include "case/CalendarTime.h"

namespace vitalis::clinical {

// The rise of the systolic pressure on waking, for one morning (mean SYS in mmHg).
struct MorningSurge {
    CalendarDate date;
    double postWake = 0.0;              // the two hours from the programmed wake time
    std::optional<double> preWake;      // the two hours before it
    std::optional<double> trough;       // lowest asleep reading of the night and its neighbours
    std::optional<double> sleepTrough;  // postWake - trough
    std::optional<double> prewaking;    // postWake - preWake
};

// One entry for each calendar date from the test begin's to the last analysed reading's on
// whose programmed wake time (awakeHour:awakeMin) two hours with a reading follow.
std::vector<MorningSurge> ComputeMorningSurges(const Recording& recording,
                                               const ClinicalReadings& readings);

}  // namespace vitalis::clinical
