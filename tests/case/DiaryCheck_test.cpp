#include "case/DiaryCheck.h"

#include <gtest/gtest.h>

namespace vitalis {
namespace {

constexpr int H = 60;

DiaryNight Night(int day, int bed, int up) {
    return {{2026, 3, day}, bed, up};
}

TEST(DiaryNightCheck, PlausibleNightsPassAsTheyStand) {
    // After midnight, a night shift by day, and fourteen hours exactly.
    EXPECT_TRUE(CheckDiaryNights({Night(1, 23 * H, 7 * H), Night(2, 1 * H, 6 * H),
                                  Night(3, 13 * H, 20 * H), Night(4, 20 * H, 10 * H)})
                    .ok());
    EXPECT_TRUE(CheckDiaryNights({}).ok());
    // Up at noon, the minute the next night's bedtime comes: they touch, they do not overlap.
    EXPECT_TRUE(CheckDiaryNights({Night(1, 22 * H, 12 * H), Night(2, 12 * H, 13 * H)}).ok());
}

TEST(DiaryNightCheck, SwappedTimesAreTooLongInBed) {
    const DiaryNightCheck swapped =
        CheckDiaryNights({Night(1, 22 * H, 6 * H), Night(2, 7 * H, 23 * H)});
    EXPECT_EQ(swapped.problem, DiaryNightProblem::TooLongInBed);
    EXPECT_EQ(swapped.night, 1u);
    EXPECT_EQ(MinutesInBed(Night(2, 7 * H, 23 * H)), 16 * H);
    // The same time twice is a whole day in bed.
    EXPECT_EQ(CheckDiaryNights({Night(1, 23 * H, 23 * H)}).problem,
              DiaryNightProblem::TooLongInBed);
    EXPECT_EQ(CheckDiaryNights({Night(1, 20 * H, 10 * H + 1)}).problem,
              DiaryNightProblem::TooLongInBed);
}

TEST(DiaryNightCheck, TwoNightsOfOneEveningOrOverlappingClash) {
    const DiaryNightCheck same = CheckDiaryNights(
        {Night(1, 22 * H, 6 * H), Night(2, 23 * H, 7 * H), Night(1, 23 * H, 7 * H)});
    EXPECT_EQ(same.problem, DiaryNightProblem::SameEvening);
    EXPECT_EQ(same.night, 2u);
    EXPECT_EQ(same.other, 0u);
    // Up at 13:00 on the 2nd after a bedtime of 11:00; the next evening's night began at 12:30.
    const DiaryNightCheck overlap =
        CheckDiaryNights({Night(1, 11 * H, 13 * H), Night(2, 12 * H + 30, 20 * H)});
    EXPECT_EQ(overlap.problem, DiaryNightProblem::Overlapping);
    EXPECT_EQ(overlap.night, 1u);
    EXPECT_EQ(overlap.other, 0u);
    // Whichever comes first in the list.
    EXPECT_EQ(CheckDiaryNights({Night(2, 12 * H + 30, 20 * H), Night(1, 11 * H, 13 * H)}).problem,
              DiaryNightProblem::Overlapping);
}

}  // namespace
}  // namespace vitalis
