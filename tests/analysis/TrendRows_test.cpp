#include "analysis/TrendRows.h"

#include <gtest/gtest.h>

#include "analysis/TestReadings.h"

namespace vitalis {
namespace {

using test::Reading;
using test::RecordingOf;

TEST(TrendRows, KeepExcludedReadingsAndDropFailedOnes) {
    Measurement failed = Reading(0, 0, 10, 15);
    failed.status = 6;
    Measurement excluded = Reading(150, 95, 10, 30);
    excluded.valid = 0;
    excluded.remark = "moved";
    const Recording r = RecordingOf({Reading(120, 80, 10, 0), failed, excluded});
    const std::vector<TrendRow> rows = BuildTrendRows(r);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].number, 1);
    EXPECT_TRUE(rows[0].valid);
    EXPECT_EQ(rows[1].position, 2);  // where a click finds it again
    EXPECT_EQ(rows[1].number, 3);
    EXPECT_FALSE(rows[1].valid);
    EXPECT_EQ(rows[1].comment, "moved");
    EXPECT_EQ(rows[1].minute - rows[0].minute, 30);
}

TEST(NearestRow, FindsTheClosestWithinReach) {
    const std::vector<double> xs{100, 130, 160};
    EXPECT_EQ(NearestRow(xs, 118), 1u);
    EXPECT_EQ(NearestRow(xs, 112), 0u);
    EXPECT_EQ(NearestRow(xs, 80), 0u);  // exactly 20 away
    EXPECT_FALSE(NearestRow(xs, 79.5));
    EXPECT_FALSE(NearestRow(xs, 181));
    EXPECT_FALSE(NearestRow({}, 10));
    EXPECT_EQ(NearestRow(xs, 150, 5), std::nullopt);
}

int64_t At(int day, int hour, int minute) {
    return MinutesOf({2026, 3, day, hour, minute});
}

TEST(ThresholdLine, StepsAtTheFirstMinuteOfTheNewPeriod) {
    // Asleep from 22:00 to 07:00: a reading at exactly 22:00 is awake, 22:01 asleep.
    const std::vector<int64_t> minutes{At(1, 21, 30), At(1, 22, 30), At(2, 6, 30), At(2, 7, 30)};
    const auto line = ThresholdLine(minutes, At(1, 21, 0), At(2, 8, 0), 1320, 420, {140, 120});
    const std::vector<ThresholdPoint> expected{{At(1, 21, 0), 140}, {At(1, 22, 1), 140},
                                               {At(1, 22, 1), 120}, {At(2, 7, 0), 120},
                                               {At(2, 7, 0), 140},  {At(2, 8, 0), 140}};
    EXPECT_EQ(line, expected);
}

TEST(ThresholdLine, FlatWithinOnePeriodAndSteppingAtTheFirstChangeAcrossLongGaps) {
    const std::vector<int64_t> day{At(1, 9, 0), At(1, 12, 0)};
    EXPECT_EQ(ThresholdLine(day, At(1, 9, 0), At(1, 12, 0), 1320, 420, {90, 80}).size(), 2u);
    // Two days apart: the first night.
    const std::vector<int64_t> apart{At(1, 12, 0), At(3, 23, 0)};
    const auto line = ThresholdLine(apart, At(1, 12, 0), At(3, 23, 0), 1320, 420, {90, 80});
    ASSERT_EQ(line.size(), 4u);
    EXPECT_EQ(line[1], (ThresholdPoint{At(1, 22, 1), 90}));
    // Asleep for one minute only (S = W): the step falls on the reading itself.
    const std::vector<int64_t> brief{At(1, 21, 59), At(1, 22, 0)};
    const auto once = ThresholdLine(brief, At(1, 21, 0), At(1, 23, 0), 1320, 1320, {90, 80});
    ASSERT_EQ(once.size(), 4u);
    EXPECT_EQ(once[1], (ThresholdPoint{At(1, 22, 0), 90}));
    EXPECT_TRUE(ThresholdLine({}, 0, 60, 1320, 420, {90, 80}).empty());
}

}  // namespace
}  // namespace vitalis

namespace vitalis {
namespace {

const ReadingSchedule kSchedule{22 * 60, 7 * 60, 15, 30};

TEST(Gaps, TwiceTheIntervalOfThePeriodOrTwoHoursBreakTheCurve) {
    const int64_t morning = MinutesOf({2026, 3, 1, 10, 0});
    EXPECT_FALSE(IsGap(morning, morning + 30, kSchedule));  // awake: twice 15 is still fine
    EXPECT_TRUE(IsGap(morning, morning + 31, kSchedule));
    const int64_t night = MinutesOf({2026, 3, 1, 23, 0});
    EXPECT_FALSE(IsGap(night, night + 60, kSchedule));  // asleep: twice 30
    EXPECT_TRUE(IsGap(night, night + 61, kSchedule));
    // Across the change to the asleep period the longer interval counts.
    const int64_t evening = MinutesOf({2026, 3, 1, 21, 40});
    EXPECT_FALSE(IsGap(evening, evening + 45, kSchedule));
    // Without programmed intervals, or with long ones, two hours are the most.
    const ReadingSchedule unknown{22 * 60, 7 * 60, 0, 0};
    EXPECT_FALSE(IsGap(morning, morning + 120, unknown));
    EXPECT_TRUE(IsGap(morning, morning + 121, unknown));
    const ReadingSchedule slow{22 * 60, 7 * 60, 90, 90};
    EXPECT_TRUE(IsGap(morning, morning + 121, slow));
}

TEST(Gaps, RunsCoverEveryReadingOnceAndSplitAtEachGap) {
    const int64_t t = MinutesOf({2026, 3, 1, 10, 0});
    const std::vector<int64_t> minutes{t, t + 15, t + 30, t + 270, t + 285, t + 600};
    const std::vector<ReadingRun> runs = ContinuousRuns(minutes, kSchedule);
    EXPECT_EQ(runs, (std::vector<ReadingRun>{{0, 3}, {3, 5}, {5, 6}}));
    EXPECT_TRUE(ContinuousRuns({}, kSchedule).empty());
    const std::vector<int64_t> one{t};
    EXPECT_EQ(ContinuousRuns(one, kSchedule), (std::vector<ReadingRun>{{0, 1}}));
}

TEST(FailedReadings, KeepThoseWithATimeInTimeOrder) {
    Measurement late = test::Reading(0, 0, 11, 0);
    late.status = 6;
    Measurement early = test::Reading(0, 0, 9, 30);
    early.status = 2;
    Measurement timeless = test::Reading(0, 0, 9, 0);
    timeless.status = 6;
    timeless.month = 0;
    const Recording r = test::RecordingOf({test::Reading(120, 80, 10, 0), late, early, timeless});
    const std::vector<FailedReading> failed = BuildFailedReadings(r);
    ASSERT_EQ(failed.size(), 2u);
    EXPECT_EQ(failed[0].position, 2);
    EXPECT_EQ(failed[0].status, 2);
    EXPECT_EQ(failed[1].position, 1);
    EXPECT_EQ(failed[1].minute, MinutesOf({2026, 3, 1, 11, 0}));
}

}  // namespace
}  // namespace vitalis
