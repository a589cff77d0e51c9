#include "analysis/clinical/ClinicalBlock.h"

#include "analysis/PeriodDivision.h"
#include "analysis/PeriodStatistics.h"
#include "analysis/clinical/Aasi.h"

namespace vitalis::clinical {

ClinicalBlock ComputeClinicalBlock(const Recording& recording, const AnalysisResults& results,
                                   const GuidelineProfile& guideline,
                                   const std::optional<OfficePressure>& office) {
    const ClinicalReadings readings = OrderReadings(recording, results);
    ClinicalBlock block;
    block.quality = JudgeQuality(static_cast<int>(recording.allMeasurements().size()), readings);
    block.variability = ComputeVariability(readings);
    block.dipping = ComputeDipping(results);
    block.morningSurge = ComputeMorningSurges(recording, readings);
    block.aasi = ComputeAasi(readings.whole);
    block.hourly = ComputeHourlyMeans(readings.whole);
    block.guideline = JudgeGuideline(guideline, readings, office);
    return block;
}

ClinicalBlock ComputeClinicalBlock(const Recording& recording, const GuidelineProfile& guideline,
                                   const std::optional<OfficePressure>& office) {
    AnalysisResults results;
    DivideMeasurements(recording, results);
    ComputePeriodStats(recording.thresholds(), results);
    return ComputeClinicalBlock(recording, results, guideline, office);
}

}  // namespace vitalis::clinical
