#include "analysis/clinical/Variability.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/clinical/ClinicalTestReadings.h"

namespace vitalis::clinical {
namespace {

using test::Reading;
using test::RecordingOf;

TEST(Variability, FiguresOfThreeAwakeReadings) {
    // 120 at 10:00, 130 at 10:30, 110 at 11:30: mean 120, steps +10 after 30 min, -20 after 60.
    const auto readings = test::OrderedOf(
        RecordingOf({Reading(120, 80, 10, 0), Reading(130, 84, 10, 30), Reading(110, 76, 11, 30)}));
    const VariabilityFigures sys = VariabilityOf(readings.whole, Pressure::Sys);
    EXPECT_DOUBLE_EQ(*sys.sd, 10.0);  // sqrt(200 / 2), not sqrt(200 / 3)
    EXPECT_DOUBLE_EQ(*sys.cv, 10.0 / 120.0);
    EXPECT_DOUBLE_EQ(*sys.arv, 15.0);
    EXPECT_DOUBLE_EQ(*sys.arvTime, (30.0 * 10 + 60.0 * 20) / 90.0);
    EXPECT_DOUBLE_EQ(*sys.sv, std::sqrt(250.0));
    const VariabilityFigures dia = VariabilityOf(readings.whole, Pressure::Dia);
    EXPECT_DOUBLE_EQ(*dia.sd, 4.0);
    EXPECT_DOUBLE_EQ(*dia.arv, 6.0);
}

TEST(Variability, OneReadingAndNoneComputeNothing) {
    for (const Recording& r : {RecordingOf({Reading(120, 80)}), RecordingOf({})}) {
        const VariabilityFigures f = VariabilityOf(test::OrderedOf(r).whole, Pressure::Sys);
        EXPECT_FALSE(f.sd || f.cv || f.arv || f.arvTime || f.sv);
    }
}

TEST(Variability, SuccessionFollowsTimeAndSameMinuteKeepsStoredOrder) {
    // Stored: 100 at 10:10 first, then 120 and 140 both at 10:00. In time order the two
    // readings of 10:00 stay as stored: 120, 140, 100 -> steps 20 and 40.
    const auto readings = test::OrderedOf(
        RecordingOf({Reading(100, 70, 10, 10), Reading(120, 80, 10, 0), Reading(140, 90, 10, 0)}));
    const VariabilityFigures sys = VariabilityOf(readings.whole, Pressure::Sys);
    EXPECT_DOUBLE_EQ(*sys.arv, 30.0);
    // Only the 10-minute step carries weight.
    EXPECT_DOUBLE_EQ(*sys.arvTime, 40.0);
}

TEST(Variability, ManyReadingsOfOneMinuteKeepTheirStoredOrder) {
    Recording r = RecordingOf({});
    for (int k = 0; k < 60; ++k) {
        Measurement m = Reading(100 + k, 70, k % 2 == 0 ? 10 : 9, 0);
        m.index = r.measurementCount++;
        r.AddMeasurement(m);
    }
    // The 9:00 readings (odd k) first, then the 10:00 ones, each group rising by 2.
    const VariabilityFigures sys = VariabilityOf(test::OrderedOf(r).whole, Pressure::Sys);
    EXPECT_DOUBLE_EQ(*sys.arv, (58.0 * 2 + 59) / 59.0);
}

TEST(Variability, NoElapsedTimeLeavesTheTimeWeightedFigureOut) {
    const auto readings =
        test::OrderedOf(RecordingOf({Reading(120, 80, 10, 0), Reading(140, 90, 10, 0)}));
    const VariabilityFigures sys = VariabilityOf(readings.whole, Pressure::Sys);
    EXPECT_DOUBLE_EQ(*sys.arv, 20.0);
    EXPECT_FALSE(sys.arvTime);
}

TEST(Variability, WeightedSdCountsTheHoursEachPeriodCovers) {
    // Awake: 120, 130, 110 in hours 10 and 11 (SD 10, two hours). Asleep: 100, 104, 108 at
    // 23:00, 00:00 and 01:00 (SD 4, three hours).
    const Recording r = RecordingOf({Reading(120, 80, 10, 0), Reading(130, 80, 10, 30),
                                     Reading(110, 80, 11, 0), Reading(100, 60, 23, 0),
                                     Reading(104, 64, 0, 0, 70, 2), Reading(108, 68, 1, 0, 70, 2)});
    const Variability v = ComputeVariability(test::OrderedOf(r));
    EXPECT_DOUBLE_EQ(*v.Of(Period::Awake).sys.sd, 10.0);
    EXPECT_DOUBLE_EQ(*v.Of(Period::Asleep).sys.sd, 4.0);
    EXPECT_DOUBLE_EQ(*v.wsdSys, (10.0 * 2 + 4.0 * 3) / 5.0);
    // DIA does not vary while awake.
    EXPECT_DOUBLE_EQ(*v.wsdDia, (0.0 * 2 + 4.0 * 3) / 5.0);
}

TEST(Variability, EmptyAsleepPeriodLeavesItsFiguresAndTheWeightedSdOut) {
    const Recording r = RecordingOf({Reading(120, 80, 10, 0), Reading(130, 80, 11, 0)});
    const Variability v = ComputeVariability(test::OrderedOf(r));
    EXPECT_TRUE(v.Of(Period::Awake).sys.sd);
    EXPECT_FALSE(v.Of(Period::Asleep).sys.sd);
    EXPECT_FALSE(v.Of(Period::Asleep).sys.arvTime);
    EXPECT_FALSE(v.wsdSys);
    EXPECT_FALSE(v.wsdDia);
}

}  // namespace
}  // namespace vitalis::clinical
