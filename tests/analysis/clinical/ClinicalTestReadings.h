#pragma once

#include <initializer_list>

#include "analysis/AnalysisOrder.h"
#include "analysis/TestReadings.h"
#include "analysis/clinical/ClinicalBlock.h"
#include "analysis/clinical/ClinicalReadings.h"

namespace vitalis::test {

// The analysed readings of a recording, in time order, as the clinical figures see them.
inline clinical::ClinicalReadings OrderedOf(const Recording& recording) {
    AnalysisResults results;
    RunViewAnalysis(recording, results, Period::Whole, kFirstSummaryRanges);
    return clinical::OrderReadings(recording, results);
}

inline clinical::ClinicalBlock BlockOf(const Recording& recording,
                                       std::optional<OfficePressure> office = std::nullopt,
                                       std::string_view guideline = "esh2023") {
    return clinical::ComputeClinicalBlock(recording, clinical::GuidelineOrDefault(guideline),
                                          office);
}

}  // namespace vitalis::test
