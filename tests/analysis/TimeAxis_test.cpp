#include "analysis/TimeAxis.h"

#include <gtest/gtest.h>

namespace vitalis {
namespace {

int64_t At(int day, int hour, int minute) {
    return MinutesOf({2026, 3, day, hour, minute});
}

TEST(TimeWindow, RunsFromGridLineToGridLine) {
    const TimeWindow w = WindowAround(At(1, 8, 10), At(2, 7, 50), 30);
    EXPECT_EQ(w.first, At(1, 8, 0));
    EXPECT_EQ(w.last, At(2, 8, 0));
    // A reading on a grid line is the window's edge; a single reading still gets one step.
    EXPECT_EQ(WindowAround(At(1, 9, 0), At(1, 10, 0), 60).last, At(1, 10, 0));
    const TimeWindow single = WindowAround(At(1, 9, 0), At(1, 9, 0), 15);
    EXPECT_EQ(single.Span(), 15);
}

TEST(TimeTicks, MarkHalfAndFullHoursAndDateTheMidnight) {
    const std::vector<TimeTick> ticks = TimeTicks({At(1, 23, 0), At(2, 1, 0)}, 15);
    ASSERT_EQ(ticks.size(), 9u);
    EXPECT_EQ(ticks[0].length, TickLength::Long);
    EXPECT_EQ(ticks[0].hour, 23);
    EXPECT_TRUE(ticks[0].date.empty());
    EXPECT_EQ(ticks[1].length, TickLength::Short);
    EXPECT_FALSE(ticks[1].hour);
    EXPECT_EQ(ticks[2].length, TickLength::Medium);
    // The recording crosses midnight: the new date goes under the midnight tick.
    EXPECT_EQ(ticks[4].minute, At(2, 0, 0));
    EXPECT_EQ(ticks[4].hour, 0);
    EXPECT_EQ(ticks[4].date, "02-03-2026");
    EXPECT_EQ(ticks[8].hour, 1);
}

TEST(TimeTicks, StepsOfFortyFiveMinutesMeetTheHourEveryThirdTick) {
    const std::vector<TimeTick> ticks = TimeTicks({At(1, 0, 0), At(1, 3, 0)}, 45);
    ASSERT_EQ(ticks.size(), 5u);
    EXPECT_EQ(ticks[2].length, TickLength::Medium);  // 01:30
    EXPECT_EQ(ticks[4].hour, 3);
}

TEST(TimeTicks, ThinHourLabelsAndRefuseRunawayWindows) {
    const std::vector<TimeTick> ticks = TimeTicks({At(1, 8, 0), At(1, 12, 0)}, 60, 2);
    ASSERT_EQ(ticks.size(), 5u);
    EXPECT_EQ(ticks[0].hour, 8);
    EXPECT_FALSE(ticks[1].hour);
    EXPECT_EQ(ticks[1].length, TickLength::Long);
    EXPECT_TRUE(TimeTicks({At(1, 8, 0), At(1, 12, 0)}, 0).empty());
    EXPECT_TRUE(TimeTicks({0, 60LL * 24 * 365 * 10}, 15).empty());
    EXPECT_EQ(HourLabelEvery(40, 24), 1);
    EXPECT_EQ(HourLabelEvery(9, 24), 3);
    EXPECT_EQ(HourLabelEvery(0.5, 24), 12);
}

TEST(TimeAxis, DatesHaveNoLeadingZerosAndLongStepsLabelOnlyDates) {
    EXPECT_EQ(ShownDate({2026, 1, 5, 0, 0}), "05-01-2026");
    EXPECT_FALSE(UsesDateOnlyAxis(180));
    EXPECT_TRUE(UsesDateOnlyAxis(360));
}

}  // namespace
}  // namespace vitalis
