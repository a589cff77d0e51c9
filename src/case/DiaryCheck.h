#pragma once

#include <cstddef>
#include <vector>

#include "case/Diary.h"

namespace vitalis {

// The nights of a diary must read as the patient lived them before the analysis may divide
// readings by them: each a plausible time in bed, and no two of them the same evening or
// overlapping, since a reading can belong to one night only.

// Longer than this in bed reads as the two times swapped (to bed 07:00, up 23:00 is taken
// as to bed after midnight and up late the next evening).
inline constexpr int kLongestNightMinutes = 14 * 60;

enum class DiaryNightProblem { None, TooLongInBed, SameEvening, Overlapping };

struct DiaryNightCheck {
    DiaryNightProblem problem = DiaryNightProblem::None;
    size_t night = 0;  // position of the night at fault
    size_t other = 0;  // the earlier night it clashes with
    bool ok() const { return problem == DiaryNightProblem::None; }
};

// The first problem, in the order the nights are given: a night is checked on its own, then
// against each night before it.
DiaryNightCheck CheckDiaryNights(const std::vector<DiaryNight>& nights);

// Minutes from bedtime to get-up time.
int MinutesInBed(const DiaryNight& night);

}  // namespace vitalis
