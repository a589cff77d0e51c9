#pragma once

#include <optional>
#include <vector>

#include "analysis/clinical/ClinicalReadings.h"

namespace vitalis::clinical {

// Why a recording falls short of what an interpretation needs, in the order they are judged.
enum class QualityProblem { LowSuccessRate, FewAwake, FewAsleep };

// Whether the recording holds enough good readings to be interpreted.
struct RecordingQuality {
    int readings = 0;  // every reading of the case, failed ones included
    int analysed = 0;
    std::optional<double> successRate;  // analysed / readings; none without readings
    int awake = 0;
    int asleep = 0;
    bool adequate = false;
    std::vector<QualityProblem> problems;
};

inline constexpr double kLeastSuccessRate = 0.70;
inline constexpr int kLeastAwakeReadings = 20;
inline constexpr int kLeastAsleepReadings = 7;

RecordingQuality JudgeQuality(int readings, const ClinicalReadings& analysed);

}  // namespace vitalis::clinical
