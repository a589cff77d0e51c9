#include "case/CaseEditState.h"

#include <algorithm>
#include <cstdio>

#include "case/CalendarTime.h"
#include "case/SleepPeriod.h"

namespace vitalis {

CaseEditState CaptureEditState(const Recording& recording, const PatientSheet& sheet) {
    CaseEditState state;
    state.readings.reserve(recording.allMeasurements().size());
    for (const Measurement& m : recording.allMeasurements()) {
        state.readings.push_back({m.valid == 0, m.remark, m.index + 1});
    }
    state.sheet = sheet;
    state.sleep = {HalfHourEntry(recording.awakeStart), HalfHourEntry(recording.asleepStart)};
    state.diary = recording.diary;
    return state;
}

std::string ClockOfEntry(int entry) {
    return ShownClockOfMinute(std::clamp(entry, 0, kHalfHourEntries - 1) * 30);
}

std::vector<std::string> DescribeChanges(const CaseEditState& saved, const CaseEditState& now) {
    std::vector<std::string> lines;
    const size_t count = std::min(saved.readings.size(), now.readings.size());
    for (size_t i = 0; i < count; ++i) {
        const ReadingMark& before = saved.readings[i];
        const ReadingMark& after = now.readings[i];
        const std::string number =
            std::to_string(after.number > 0 ? after.number : static_cast<int>(i) + 1);
        if (before.excluded != after.excluded) {
            lines.push_back((after.excluded ? "excluded reading " : "included reading ") + number);
        }
        if (before.remark != after.remark) {
            lines.push_back(after.remark.empty() ? "remark " + number + " removed"
                                                 : "remark " + number + ": " + after.remark);
        }
    }
    if (saved.sheet != now.sheet) lines.push_back("patient sheet edited");
    if (saved.sleep != now.sleep) {
        // The asleep period runs from its start to the next awake start.
        lines.push_back("asleep " + ClockOfEntry(now.sleep.asleep) + "\xE2\x80\x93" +
                        ClockOfEntry(now.sleep.awake));
    }
    if (saved.diary != now.diary) lines.push_back("diary changed");
    return lines;
}

}  // namespace vitalis
