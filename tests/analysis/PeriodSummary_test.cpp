#include "analysis/PeriodSummary.h"

#include <gtest/gtest.h>

#include <vector>

#include "analysis/PeriodDivision.h"
#include "analysis/PeriodStatistics.h"
#include "analysis/TestReadings.h"

namespace vitalis {
namespace {

using test::Reading;
using test::RecordingOf;

AnalysisResults Analysed(const Recording& r) {
    AnalysisResults results;
    EXPECT_TRUE(DivideMeasurements(r, results));
    ComputePeriodStats(r.thresholds(), results);
    return results;
}

TEST(RangeSplit, LowIsBelowAndHighIsWithin) {
    const std::vector<int> values{100, 101, 140, 141};
    const RangeSplit split = SplitByRange(values, 100, 140);
    EXPECT_DOUBLE_EQ(split.below, 0.25);
    EXPECT_DOUBLE_EQ(split.within, 0.5);
    EXPECT_DOUBLE_EQ(split.above, 0.25);
}

TEST(RangeSplit, ReversedBoundsLeaveNothingWithin) {
    const std::vector<int> values{100, 120, 141};
    const RangeSplit split = SplitByRange(values, 140, 100);
    EXPECT_DOUBLE_EQ(split.within, 0.0);
    EXPECT_DOUBLE_EQ(split.above, 2.0 / 3.0);
    EXPECT_DOUBLE_EQ(split.below, 1.0 / 3.0);
    const RangeSplit none = SplitByRange(std::vector<int>{}, 100, 140);
    EXPECT_EQ(none.below + none.within + none.above, 0.0);
}

TEST(Summary, ExtremesCarryTheirMomentAndTiesTakeTheLast) {
    const Recording r = RecordingOf({Reading(120, 80, 9, 5, 60), Reading(135, 70, 10, 15, 75, 2),
                                     Reading(135, 85, 11, 25, 60, 3)});
    const AnalysisResults results = Analysed(r);
    const PeriodSummary s = BuildPeriodSummary(results, Period::Whole, kFirstSummaryRanges);
    EXPECT_EQ(s.sys.maxValue, 135);
    EXPECT_EQ(s.sys.maxHour, 11);
    EXPECT_EQ(s.sys.maxMinute, 25);
    EXPECT_EQ(s.sys.maxDay, 3);
    EXPECT_EQ(s.sys.maxMonth, 3);
    EXPECT_EQ(s.sys.maxYear, 2026);
    EXPECT_EQ(s.sys.minValue, 120);
    EXPECT_EQ(s.sys.minHour, 9);
    EXPECT_EQ(s.pr.minValue, 60);
    EXPECT_EQ(s.pr.minDay, 3);
    EXPECT_EQ(s.dia.minValue, 70);
    EXPECT_EQ(s.dia.minMinute, 15);
    EXPECT_EQ(s.sys.mean, results.Stats(Period::Whole).sys.mean);
    // SYS 120, 135, 135 against 100-140; DIA 80, 70, 85 against 60-90.
    EXPECT_DOUBLE_EQ(s.sys.withinFraction, 1.0);
    EXPECT_DOUBLE_EQ(s.dia.withinFraction, 1.0);
    EXPECT_DOUBLE_EQ(s.pr.belowFraction, 2.0 / 3.0);
}

TEST(Summary, ChosenPeriodOnlyAndEmptyPeriodsStayClear) {
    Recording r = RecordingOf({Reading(150, 95, 12), Reading(110, 70, 23)});
    AnalysisResults results = Analysed(r);
    const PeriodSummary awake = BuildPeriodSummary(results, Period::Awake, kFirstSummaryRanges);
    EXPECT_EQ(awake.sys.minValue, 150);
    EXPECT_DOUBLE_EQ(awake.sys.aboveFraction, 1.0);
    const PeriodSummary asleep = BuildPeriodSummary(results, Period::Asleep, kFirstSummaryRanges);
    EXPECT_EQ(asleep.sys.maxValue, 110);

    r.multiDay = true;
    results = Analysed(r);
    const PeriodSummary empty = BuildPeriodSummary(results, Period::Awake, kFirstSummaryRanges);
    EXPECT_EQ(empty.sys.maxValue, 0);
    EXPECT_EQ(empty.sys.belowFraction + empty.sys.withinFraction + empty.sys.aboveFraction, 0.0);
    EXPECT_EQ(BuildPeriodSummary(results, Period::Whole, kFirstSummaryRanges).sys.maxValue, 150);
}

TEST(Summary, StaleFiguresDoNotReachOutsideTheList) {
    AnalysisResults results = Analysed(RecordingOf({Reading(150, 95, 12)}));
    results.Stats(Period::Whole).sys.maxIndex = 5;
    const PeriodSummary s = BuildPeriodSummary(results, Period::Whole, kFirstSummaryRanges);
    EXPECT_EQ(s.sys.maxValue, 0);
    EXPECT_EQ(s.sys.minValue, 150);
}

TEST(Summary, CodeThatNamesNoPeriodReadsAsTheWholeRecording) {
    const AnalysisResults results = Analysed(RecordingOf({Reading(150, 95, 12)}));
    EXPECT_FALSE(PeriodFromCode(0));
    EXPECT_EQ(PeriodFromCode(3), Period::Asleep);
    const PeriodSummary s =
        BuildPeriodSummary(results, static_cast<Period>(7), kFirstSummaryRanges);
    EXPECT_EQ(s.sys.maxValue, 150);
}

TEST(Ranges, StartFromEachPeriodsThresholds) {
    ThresholdSettings t;
    t.awakeSys = 135, t.awakeDia = 85, t.asleepSys = 115, t.asleepDia = 75;
    EXPECT_EQ(InitialRanges(Period::Whole, t), (RangeBounds{100, 135, 60, 85, 60, 100}));
    EXPECT_EQ(InitialRanges(Period::Awake, t), (RangeBounds{100, 135, 60, 85, 60, 100}));
    EXPECT_EQ(InitialRanges(Period::Asleep, t), (RangeBounds{100, 115, 60, 75, 60, 100}));
    EXPECT_EQ(kFirstSummaryRanges, (RangeBounds{100, 140, 60, 90, 60, 100}));
}

}  // namespace
}  // namespace vitalis
