#include "analysis/TrendScale.h"

#include <gtest/gtest.h>

#include "analysis/TestReadings.h"

namespace vitalis {
namespace {

using test::Reading;
using test::RecordingOf;

TEST(GridStep, RoundsUpToQuarterHoursUpToAnHourAndLeavesTheRest) {
    EXPECT_EQ(RoundGridStep(1), 15);
    EXPECT_EQ(RoundGridStep(15), 15);
    EXPECT_EQ(RoundGridStep(16), 30);
    EXPECT_EQ(RoundGridStep(20), 30);
    EXPECT_EQ(RoundGridStep(31), 45);
    EXPECT_EQ(RoundGridStep(46), 60);
    EXPECT_EQ(RoundGridStep(50), 60);
    EXPECT_EQ(RoundGridStep(60), 60);
    EXPECT_EQ(RoundGridStep(0), 0);
    EXPECT_EQ(RoundGridStep(61), 61);
    EXPECT_EQ(RoundGridStep(120), 120);
}

TEST(GridStep, ChosenStepsKeepTicksApartAndDivideTheDay) {
    // A day over 800 pixels with ticks at least 12 pixels apart: 21.6 minutes -> 30.
    EXPECT_EQ(ChooseGridStep(1440, 800, 12), 30);
    // A narrow graph gets whole hours, then hours that divide a day, then days.
    EXPECT_EQ(ChooseGridStep(1440, 300, 12), 60);
    EXPECT_EQ(ChooseGridStep(1440, 100, 12), 180);
    EXPECT_EQ(ChooseGridStep(20 * 1440, 200, 12), 1440 * 2);
    for (const int width : {50, 120, 333, 640, 1000, 4000}) {
        const int step = ChooseGridStep(26 * 60, width, 12);
        EXPECT_TRUE(step % 1440 == 0 || 1440 % step == 0) << step;
        EXPECT_GE(step * width / (26.0 * 60), 12.0 - 1e-9) << width;
    }
    EXPECT_EQ(ChooseGridStep(0, 800, 12), 60);
    EXPECT_EQ(ChooseGridStep(600, 0, 12), 60);
}

ThresholdSettings Defaults() {
    return {};
}

TEST(ValueScale, SpansTheReadingsAndEveryThresholdInWholeTens) {
    const Recording r = RecordingOf({Reading(128, 72), Reading(176, 95)});
    const auto rows = BuildTrendRows(r);
    // DIA 72 .. SYS 176, thresholds 80..140 inside: 70..180.
    EXPECT_EQ(TrendValueRange(rows, Defaults()), (ValueRange{70, 180}));
    // Readings inside the thresholds: the range widens to the thresholds.
    const Recording calm = RecordingOf({Reading(118, 84, 10, 0, 85)});
    EXPECT_EQ(TrendValueRange(BuildTrendRows(calm), Defaults()), (ValueRange{80, 140}));
    ThresholdSettings odd;
    odd.asleepSys = 165;  // a higher asleep limit still shows
    odd.awakeDia = 55;
    EXPECT_EQ(TrendValueRange(BuildTrendRows(calm), odd), (ValueRange{50, 170}));
    // A slow pulse below every DIA still shows.
    const Recording slow = RecordingOf({Reading(118, 84, 10, 0, 48)});
    EXPECT_EQ(TrendValueRange(BuildTrendRows(slow), Defaults()), (ValueRange{40, 140}));
    // No readings: the thresholds alone.
    EXPECT_EQ(TrendValueRange({}, Defaults()), (ValueRange{80, 140}));
}

TEST(ValueScale, RefusesRangesOutsideZeroToThreeHundred) {
    const Recording high = RecordingOf({Reading(310, 90)});
    EXPECT_FALSE(TrendValueRange(BuildTrendRows(high), Defaults()));
    ThresholdSettings negative;
    negative.asleepDia = -5;
    EXPECT_FALSE(TrendValueRange({}, negative));
    EXPECT_TRUE(IsDrawableRange(0, 300));
    EXPECT_FALSE(IsDrawableRange(120, 120));
    EXPECT_FALSE(IsDrawableRange(-1, 100));
    // 295 widens to 300, not past it.
    const Recording top = RecordingOf({Reading(295, 90)});
    EXPECT_EQ(TrendValueRange(BuildTrendRows(top), Defaults())->high, 300);
}

TEST(ValueScale, MapsLowToBottomAndHighToTop) {
    const ValueRange range{60, 180};
    EXPECT_DOUBLE_EQ(ValueToY(range, 60, 10, 250), 250);
    EXPECT_DOUBLE_EQ(ValueToY(range, 180, 10, 250), 10);
    EXPECT_DOUBLE_EQ(ValueToY(range, 120, 10, 250), 130);
    // The finest step that keeps labels 20 pixels apart.
    EXPECT_EQ(ValueTicks(range, 240, 20),
              (std::vector<int>{60, 70, 80, 90, 100, 110, 120, 130, 140, 150, 160, 170, 180}));
    EXPECT_EQ(ValueTicks(range, 120, 20), (std::vector<int>{60, 80, 100, 120, 140, 160, 180}));
    EXPECT_EQ(ValueTicks({65, 135}, 70, 30), (std::vector<int>{100}));
    EXPECT_TRUE(ValueTicks({100, 100}, 200, 20).empty());
}

}  // namespace
}  // namespace vitalis
