#include "analysis/PeriodDivision.h"

#include "analysis/DiaryPeriods.h"

namespace vitalis {

bool IsAsleepMinute(int asleepStart, int awakeStart, int minute) {
    if (asleepStart <= awakeStart) return asleepStart <= minute && minute <= awakeStart;
    return minute > asleepStart || minute < awakeStart;
}

bool IsAsleepTime(const Recording& recording, int minute) {
    return IsAsleepMinute(recording.asleepStart, recording.awakeStart, minute);
}

namespace {

// Every result back to its start, but the lists keep their memory for the next division.
void Reset(AnalysisResults& results) {
    std::vector<Measurement> valid = std::move(results.validMeasurements);
    std::vector<Measurement> awake = std::move(results.awakeMeasurements);
    std::vector<Measurement> asleep = std::move(results.asleepMeasurements);
    results = AnalysisResults{};
    valid.clear(), awake.clear(), asleep.clear();
    results.validMeasurements = std::move(valid);
    results.awakeMeasurements = std::move(awake);
    results.asleepMeasurements = std::move(asleep);
}

}  // namespace

bool DivideMeasurements(const Recording& recording, AnalysisResults& results) {
    Reset(results);
    if (recording.allMeasurements().size() != static_cast<size_t>(recording.measurementCount) ||
        recording.measurementCount < 0) {
        return false;
    }
    results.validMeasurements.reserve(recording.validMeasurements().size());
    for (const Measurement& m : recording.validMeasurements()) {
        // The list is kept by whoever changes marks; a reading that slipped in without
        // passing the rule still must not reach any figure.
        if (m.valid != 1 || !IsPlausible(m)) continue;
        results.validMeasurements.push_back(m);
        if (recording.multiDay) continue;
        if (IsAsleepReading(recording, m)) {
            results.asleepMeasurements.push_back(m);
        } else {
            results.awakeMeasurements.push_back(m);
        }
    }
    results.validCount = static_cast<int>(results.validMeasurements.size());
    results.awakeCount = static_cast<int>(results.awakeMeasurements.size());
    results.asleepCount = static_cast<int>(results.asleepMeasurements.size());
    return true;
}

}  // namespace vitalis
