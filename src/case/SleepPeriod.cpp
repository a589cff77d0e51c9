#include "case/SleepPeriod.h"

#include <algorithm>

#include "case/CaseFileKeys.h"
#include "case/ProfileStore.h"

namespace vitalis {

std::string HalfHourLabel(int entry) {
    const int minute = std::clamp(entry, 0, kHalfHourEntries - 1) * 30;
    return std::to_string(minute / 60) + (minute % 60 == 0 ? ":00" : ":30");
}

int HalfHourEntry(int minuteOfDay) {
    return std::clamp(minuteOfDay, 0, 1439) / 30;
}

bool ChangeSleepPeriod(Recording& recording, int awakeEntry, int asleepEntry) {
    awakeEntry = std::clamp(awakeEntry, 0, kHalfHourEntries - 1);
    asleepEntry = std::clamp(asleepEntry, 0, kHalfHourEntries - 1);
    // An existing case file only: a case that has gone from the disk is not created again.
    ProfileStore store(recording.casePath, ProfileOpen::ExistingOnly);
    ProfileStore::Batch batch(store);
    const std::string count =
        store.GetString(casekeys::kPatientSection, casekeys::kTestCount, casekeys::kNoString);
    if (count == casekeys::kNoString) return false;
    const std::string test = casekeys::TestSection(count);
    store.WriteInt(test, "Awake Time", awakeEntry);
    store.WriteInt(test, "Asleep Time", asleepEntry);
    if (!batch.Commit()) return false;
    recording.awakeStart = awakeEntry * 30;
    recording.asleepStart = asleepEntry * 30;
    return true;
}

}  // namespace vitalis
