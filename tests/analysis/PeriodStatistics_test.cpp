#include "analysis/PeriodStatistics.h"

#include <gtest/gtest.h>

#include "analysis/PeriodDivision.h"
#include "analysis/PressureLoad.h"
#include "analysis/TestReadings.h"

namespace vitalis {
namespace {

using test::Reading;
using test::RecordingOf;

AnalysisResults Analyse(const Recording& r) {
    AnalysisResults results;
    EXPECT_TRUE(DivideMeasurements(r, results));
    ComputePeriodStats(r.thresholds(), results);
    ComputeLoads(results);
    return results;
}

TEST(AboveCounts, ReadingAtTheThresholdIsNotAbove) {
    const AnalysisResults results =
        Analyse(RecordingOf({Reading(140, 90), Reading(141, 91), Reading(139, 89)}));
    const PeriodStats& awake = results.Stats(Period::Awake);
    EXPECT_EQ(awake.sysAboveCount, 1);
    EXPECT_EQ(awake.diaAboveCount, 1);
    EXPECT_DOUBLE_EQ(results.awakeSysLoad, 1.0 / 3.0);
}

TEST(AboveCounts, EachReadingIsJudgedByItsOwnPeriod) {
    // 130/85 is above the asleep limits (120/80) but not the awake ones (140/90).
    const AnalysisResults results =
        Analyse(RecordingOf({Reading(130, 85, 12), Reading(130, 85, 23), Reading(150, 95, 12)}));
    EXPECT_EQ(results.Stats(Period::Awake).sysAboveCount, 1);
    EXPECT_EQ(results.Stats(Period::Asleep).sysAboveCount, 1);
    EXPECT_EQ(results.Stats(Period::Whole).sysAboveCount, 2);
    EXPECT_EQ(results.Stats(Period::Whole).diaAboveCount, 2);
    EXPECT_DOUBLE_EQ(results.totalSysLoad, 2.0 / 3.0);
    EXPECT_DOUBLE_EQ(results.asleepDiaLoad, 1.0);
    EXPECT_DOUBLE_EQ(results.awakeDiaLoad, 0.5);
}

TEST(AboveCounts, ConfiguredThresholdsAreUsed) {
    ThresholdSettings strict;
    strict.awakeSys = 120;
    Recording r = RecordingOf({Reading(130, 85, 12)});
    r.thresholdSource = &strict;
    EXPECT_EQ(Analyse(r).Stats(Period::Awake).sysAboveCount, 1);
}

TEST(Loads, EmptyPeriodStaysZero) {
    const AnalysisResults results = Analyse(RecordingOf({Reading(150, 95, 12)}));
    EXPECT_EQ(results.asleepCount, 0);
    EXPECT_EQ(results.asleepSysLoad, 0.0);
    EXPECT_EQ(results.asleepDiaLoad, 0.0);
    EXPECT_EQ(results.Stats(Period::Asleep).count, 0);
    EXPECT_EQ(results.Stats(Period::Asleep).sys.mean, 0.0f);
    EXPECT_EQ(results.awakeSysLoad, 1.0);
}

TEST(Figures, ExtremesMeansAndPulsePressure) {
    const AnalysisResults results = Analyse(RecordingOf(
        {Reading(120, 80, 9, 0, 60), Reading(135, 70, 10, 0, 75), Reading(135, 85, 11, 0, 60)}));
    const PeriodStats& whole = results.Stats(Period::Whole);
    EXPECT_EQ(whole.count, 3);
    EXPECT_EQ(whole.sys.maxIndex, 2);
    EXPECT_EQ(whole.sys.minIndex, 0);
    EXPECT_EQ(whole.pr.minIndex, 2);
    EXPECT_EQ(whole.dia.minIndex, 1);
    EXPECT_EQ(whole.sys.mean, 390.0f / 3.0f);
    EXPECT_EQ(whole.pp.mean, static_cast<float>(155.0 / 3.0));  // 40, 65, 50
    EXPECT_EQ(whole.pp.maxIndex, 1);
    EXPECT_EQ(whole.map.mean, (100.0f + 102.0f + 110.0f) / 3.0f);
}

TEST(NocturnalFall, FromTheSinglePrecisionMeans) {
    AnalysisResults results =
        Analyse(RecordingOf({Reading(140, 90, 12), Reading(150, 90, 13), Reading(120, 72, 23)}));
    ASSERT_TRUE(ComputeNocturnalFall(results));
    EXPECT_DOUBLE_EQ(results.sysNocturnalFall, (145.0 - 120.0) / 145.0);
    EXPECT_DOUBLE_EQ(results.diaNocturnalFall, 0.2);
}

TEST(NocturnalFall, RisingNightIsNegative) {
    AnalysisResults results = Analyse(RecordingOf({Reading(120, 80, 12), Reading(132, 88, 2)}));
    ASSERT_TRUE(ComputeNocturnalFall(results));
    EXPECT_DOUBLE_EQ(results.sysNocturnalFall, -0.1);
}

TEST(NocturnalFall, NeedsBothPeriods) {
    AnalysisResults dayOnly = Analyse(RecordingOf({Reading(140, 90, 12)}));
    dayOnly.sysNocturnalFall = 0.3;
    EXPECT_FALSE(ComputeNocturnalFall(dayOnly));
    EXPECT_EQ(dayOnly.sysNocturnalFall, 0.0);
    EXPECT_EQ(dayOnly.diaNocturnalFall, 0.0);
    AnalysisResults nightOnly = Analyse(RecordingOf({Reading(140, 90, 23)}));
    EXPECT_FALSE(ComputeNocturnalFall(nightOnly));
}

}  // namespace
}  // namespace vitalis
