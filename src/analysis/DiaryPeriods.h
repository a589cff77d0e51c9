#pragma once

#include <cstdint>
#include <vector>

#include "case/Recording.h"

namespace vitalis {

// A night the patient's diary records decides that night's readings by its own times: a
// reading from bedtime up to (not including) get-up time is asleep, every other reading of
// that night's window awake. The window spans the diary's times and the schedule's asleep
// period of the same night, so a reading the schedule would call asleep but the patient was
// up for counts as awake. Readings outside every diary night follow the schedule.

struct MinuteSpan {
    int64_t begin = 0;  // minutes since 1970, both ends included
    int64_t end = 0;
};

// The schedule's asleep period of the night whose evening is `date`. A period inside one day
// belongs to the evening when it starts after noon, else to the next morning.
MinuteSpan ScheduledNight(const Recording& recording, const CalendarDate& date);
MinuteSpan DiaryNightWindow(const Recording& recording, const DiaryNight& night);

// Whether the reading is asleep, by its night's diary when it lies in one, else by the schedule.
bool IsAsleepReading(const Recording& recording, const Measurement& m);

// For each of the diary's nights, in its order: whether the night decided at least one
// counting reading (a multi-day recording is not divided, so none is).
std::vector<bool> AppliedDiaryNights(const Recording& recording);

}  // namespace vitalis
