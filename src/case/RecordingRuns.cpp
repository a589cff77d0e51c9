#include "case/RecordingRuns.h"

#include <algorithm>

namespace vitalis {
namespace {

// Positions of the readings with a real clock time, ordered by that time; readings of one
// minute keep their stored order.
std::vector<size_t> ReadingsInTimeOrder(const std::vector<Measurement>& all) {
    std::vector<size_t> order;
    order.reserve(all.size());
    for (size_t i = 0; i < all.size(); ++i) {
        if (IsValidClockTime(all[i].Clock())) order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(), [&all](size_t a, size_t b) {
        return MinutesOf(all[a].Clock()) < MinutesOf(all[b].Clock());
    });
    return order;
}

}  // namespace

std::vector<RecordingRun> FindRecordingRuns(const Recording& file) {
    const std::vector<Measurement>& all = file.allMeasurements();
    std::vector<RecordingRun> runs;
    int64_t previous = 0;
    for (const size_t position : ReadingsInTimeOrder(all)) {
        const ClockTime clock = all[position].Clock();
        const int64_t minutes = MinutesOf(clock);
        if (runs.empty() || minutes - previous > kRunBreakMinutes) {
            runs.push_back({clock, clock, 0, {}});
        }
        RecordingRun& run = runs.back();
        run.end = clock;
        run.readings.push_back(position);
        run.count = static_cast<int>(run.readings.size());
        previous = minutes;
    }
    return runs;
}

bool OffersRecordingChoice(const Recording& file, const std::vector<RecordingRun>& runs) {
    if (runs.size() > 1) return true;
    return runs.size() == 1 && CaseFileStem(file.casePath).size() <= 2;
}

Recording SelectRecordingRun(const Recording& file, const RecordingRun& run) {
    Recording selected = file;
    selected.ClearMeasurements();
    selected.analysis = {};
    const std::vector<Measurement>& all = file.allMeasurements();
    for (const size_t position : run.readings) {
        if (position < all.size()) selected.AddMeasurement(all[position]);
    }
    selected.measurementCount = static_cast<int>(selected.allMeasurements().size());
    selected.testBegin = run.begin;
    selected.recordingEnd = run.end;
    // In time order by construction, so only the span decides, as for a case file of one test.
    const std::vector<Measurement>& plausible = selected.plausibleMeasurements();
    selected.multiDay = !plausible.empty() &&
                        SpansMoreThan72Hours(plausible.front().Clock(), plausible.back().Clock());
    return selected;
}

}  // namespace vitalis
