#include "analysis/clinical/RecordingQuality.h"

namespace vitalis::clinical {

RecordingQuality JudgeQuality(int readings, const ClinicalReadings& analysed) {
    RecordingQuality q;
    q.readings = readings;
    q.analysed = static_cast<int>(analysed.whole.size());
    q.awake = static_cast<int>(analysed.awake.size());
    q.asleep = static_cast<int>(analysed.asleep.size());
    if (readings > 0)
        q.successRate = static_cast<double>(q.analysed) / static_cast<double>(readings);
    // No readings at all is the lowest success there is.
    if (!q.successRate || *q.successRate < kLeastSuccessRate)
        q.problems.push_back(QualityProblem::LowSuccessRate);
    if (q.awake < kLeastAwakeReadings) q.problems.push_back(QualityProblem::FewAwake);
    if (q.asleep < kLeastAsleepReadings) q.problems.push_back(QualityProblem::FewAsleep);
    q.adequate = q.problems.empty();
    return q;
}

}  // namespace vitalis::clinical
