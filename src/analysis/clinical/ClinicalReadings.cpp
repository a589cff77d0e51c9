#include "analysis/clinical/ClinicalReadings.h"

#include <algorithm>

#include "analysis/DiaryPeriods.h"
#include "analysis/PeriodDivision.h"

namespace vitalis::clinical {

const std::vector<TimedReading>& ClinicalReadings::Of(Period period) const {
    switch (period) {
        case Period::Awake:
            return awake;
        case Period::Asleep:
            return asleep;
        case Period::Whole:
            break;
    }
    return whole;
}

ClinicalReadings OrderReadings(const Recording& recording, const AnalysisResults& results) {
    ClinicalReadings out;
    // A multi-day recording has no awake and asleep lists; otherwise the rule that sorted
    // the readings into them is the division's own.
    const bool partitioned = !recording.multiDay;
    out.whole.reserve(results.validMeasurements.size());
    for (const Measurement& m : results.validMeasurements) {
        TimedReading r{MinutesOf(m.Clock()), m.hour, m.sys, m.dia, m.pr};
        if (partitioned) {
            r.asleep = IsAsleepReading(recording, m);
            r.awake = !r.asleep;
        }
        out.whole.push_back(r);
    }
    std::stable_sort(
        out.whole.begin(), out.whole.end(),
        [](const TimedReading& a, const TimedReading& b) { return a.minutes < b.minutes; });
    for (const TimedReading& r : out.whole) {
        if (r.awake) out.awake.push_back(r);
        if (r.asleep) out.asleep.push_back(r);
    }
    return out;
}

}  // namespace vitalis::clinical
