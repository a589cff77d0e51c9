#pragma once

#include <string>

#include "case/Recording.h"

namespace vitalis {

// The sleep period of a case is chosen in half-hour steps: entry i of the lists stands for
// minute of the day i × 30, and the case file keeps the entry number.
inline constexpr int kHalfHourEntries = 48;

// "0:00", "0:30", ... "23:30".
std::string HalfHourLabel(int entry);
// The entry a minute of the day falls in: a start between two steps rounds down to the
// earlier one; anything outside the day is held to the first or last entry.
int HalfHourEntry(int minuteOfDay);

// Gives the open case new awake and asleep starts (list entries): writes "Awake Time" and
// "Asleep Time" into its test section, then sets awakeStart and asleepStart. When the file
// cannot be written the recording keeps its old starts and false is returned.
bool ChangeSleepPeriod(Recording& recording, int awakeEntry, int asleepEntry);

}  // namespace vitalis
