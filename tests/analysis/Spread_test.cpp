#include "analysis/Spread.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/HourlyRatio.h"
#include "analysis/PeriodDivision.h"
#include "analysis/TestReadings.h"

namespace vitalis {
namespace {

using test::Reading;
using test::RecordingOf;

AnalysisResults Divided(const Recording& r) {
    AnalysisResults results;
    EXPECT_TRUE(DivideMeasurements(r, results));
    return results;
}

TEST(SpreadFigures, PerPeriodWithPopulationDeviation) {
    AnalysisResults results = Divided(RecordingOf(
        {Reading(118, 80, 10), Reading(120, 80, 11), Reading(122, 80, 12), Reading(110, 70, 23)}));
    ComputeSpread(results);
    const PeriodSpread& awake = results.SpreadOf(Period::Awake);
    EXPECT_DOUBLE_EQ(awake.sys.sd, std::sqrt(8.0 / 3.0));
    EXPECT_DOUBLE_EQ(awake.sys.se, std::sqrt(8.0 / 3.0) / std::sqrt(3.0));
    EXPECT_EQ(awake.dia.sd, 0.0);
    // One asleep reading: no spread at all.
    EXPECT_EQ(results.SpreadOf(Period::Asleep).sys.sd, 0.0);
    EXPECT_EQ(results.SpreadOf(Period::Asleep).sys.se, 0.0);
    EXPECT_GT(results.SpreadOf(Period::Whole).dia.sd, 0.0);
}

TEST(SpreadFigures, EmptyPeriodIsSkipped) {
    AnalysisResults results = Divided(RecordingOf({Reading(118, 80, 10), Reading(122, 84, 11)}));
    results.SpreadOf(Period::Asleep).sys.sd = 7.0;  // from before
    ComputeSpread(results);
    EXPECT_EQ(results.SpreadOf(Period::Asleep).sys.sd, 0.0);
    ASSERT_TRUE(ComputeVariation(results));
    EXPECT_DOUBLE_EQ(results.SpreadOf(Period::Awake).sys.cv, 2.0 / 120.0);
    EXPECT_DOUBLE_EQ(results.SpreadOf(Period::Whole).dia.cv, 2.0 / 82.0);
    EXPECT_EQ(results.SpreadOf(Period::Asleep).sys.cv, 0.0);
}

TEST(Variation, StopsAtTheFirstZeroMean) {
    // Readings that reach the lists only by hand: a zero pulse rate.
    AnalysisResults results;
    Measurement noPulse = Reading(120, 80, 10, 0, 0);
    results.validMeasurements = {noPulse, Reading(124, 84, 11, 0, 0)};
    results.awakeMeasurements = results.validMeasurements;
    EXPECT_FALSE(ComputeVariation(results));
    EXPECT_GT(results.SpreadOf(Period::Whole).dia.cv, 0.0);
    EXPECT_EQ(results.SpreadOf(Period::Whole).pr.cv, 0.0);
    EXPECT_EQ(results.SpreadOf(Period::Whole).map.cv, 0.0);
    EXPECT_EQ(results.SpreadOf(Period::Awake).sys.cv, 0.0);
}

TEST(HourlyMeansOf, TruncatedPerClockHourOverAllDates) {
    const Recording r = RecordingOf(
        {Reading(120, 80, 8, 0, 70, 1), Reading(121, 80, 8, 59, 70, 2), Reading(130, 81, 9, 30)});
    const AnalysisResults results = Divided(r);
    const auto sys = HourlyMeans(results.validMeasurements, Parameter::Sys);
    EXPECT_EQ(sys[8], 120);  // 241 / 2, truncated
    EXPECT_EQ(sys[9], 130);
    EXPECT_EQ(sys[0], 0);
    EXPECT_EQ(sys[23], 0);
}

TEST(HourlyRatioOf, AllTwentyFourHoursTakePart) {
    AnalysisResults results =
        Divided(RecordingOf({Reading(120, 80, 10, 0), Reading(120, 80, 10, 30)}));
    ASSERT_TRUE(ComputeHourlyRatio(results));
    // One hour at 120, 23 at 0: M = 5, D = sqrt((115^2 + 23 * 25) / 24).
    const double m = 5.0, d = std::sqrt((115.0 * 115.0 + 23.0 * 25.0) / 24.0);
    EXPECT_DOUBLE_EQ(results.sysHourlyRatio, m / d);
    const double mDia = 80.0 / 24.0;
    const double dDia = std::sqrt(((80 - mDia) * (80 - mDia) + 23 * mDia * mDia) / 24.0);
    EXPECT_DOUBLE_EQ(results.diaHourlyRatio, mDia / dDia);
}

TEST(HourlyRatioOf, FlatDayOrNoReadingsCannotBeComputed) {
    AnalysisResults none;
    EXPECT_FALSE(ComputeHourlyRatio(none));
    Recording flat;
    for (int h = 0; h < 24; ++h) {
        Measurement m = Reading(120, 80, h);
        m.index = flat.measurementCount++;
        flat.AddMeasurement(m);
    }
    AnalysisResults results = Divided(flat);
    EXPECT_FALSE(ComputeHourlyRatio(results));
    EXPECT_EQ(results.sysHourlyRatio, 0.0);
    EXPECT_EQ(results.diaHourlyRatio, 0.0);
}

}  // namespace
}  // namespace vitalis
