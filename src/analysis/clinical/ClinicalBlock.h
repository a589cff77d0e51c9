#pragma once

#include <array>
#include <optional>
#include <vector>

#include "analysis/clinical/Dipping.h"
#include "analysis/clinical/GuidelineVerdict.h"
#include "analysis/clinical/HourlyMeans.h"
#include "analysis/clinical/MorningSurge.h"
#include "analysis/clinical/RecordingQuality.h"
#include "analysis/clinical/Variability.h"
#include "case/AnalysisResults.h"
#include "case/Recording.h"

namespace vitalis::clinical {

// The clinical interpretation of one recording: everything a clinician decides on, beside
// the descriptive analysis.
struct ClinicalBlock {
    RecordingQuality quality;
    Variability variability;
    Dipping dipping;
    std::vector<MorningSurge> morningSurge;
    std::optional<double> aasi;
    std::array<HourlyMean, 24> hourly{};
    GuidelineVerdict guideline;
};

// From a recording whose division and period figures are already in `results` (either
// analysis run leaves them there). The office reading is the one given, if any.
ClinicalBlock ComputeClinicalBlock(const Recording& recording, const AnalysisResults& results,
                                   const GuidelineProfile& guideline,
                                   const std::optional<OfficePressure>& office);

// Runs its own division and period figures first; the recording's own results are left as
// they are.
ClinicalBlock ComputeClinicalBlock(const Recording& recording, const GuidelineProfile& guideline,
                                   const std::optional<OfficePressure>& office);

}  // namespace vitalis::clinical
