// Quality, dipping, AASI and hourly means of small hand-computed recordings.

#include <gtest/gtest.h>

#include "analysis/clinical/Aasi.h"
#include "analysis/clinical/ClinicalTestReadings.h"
#include "analysis/clinical/Dipping.h"
#include "analysis/clinical/HourlyMeans.h"
#include "analysis/clinical/RecordingQuality.h"

namespace vitalis::clinical {
namespace {

using test::Reading;
using test::RecordingOf;

// `awake` readings at 10:00 and `asleep` at 02:00, then `failed` implausible ones.
Recording Counts(int awake, int asleep, int failed) {
    Recording r = RecordingOf({});
    auto add = [&r](Measurement m) {
        m.index = r.measurementCount++;
        r.AddMeasurement(m);
    };
    for (int i = 0; i < awake; ++i) add(Reading(120, 80, 10, i));
    for (int i = 0; i < asleep; ++i) add(Reading(110, 70, 2, i));
    for (int i = 0; i < failed; ++i) add(Reading(0, 0, 12, i));
    return r;
}

RecordingQuality QualityOf(const Recording& r) {
    return JudgeQuality(static_cast<int>(r.allMeasurements().size()), test::OrderedOf(r));
}

TEST(Quality, SeventyPercentTwentyAwakeAndSevenAsleepAreEnough) {
    const RecordingQuality q = QualityOf(Counts(21, 7, 12));  // 28 of 40 = 0.70
    EXPECT_EQ(q.readings, 40);
    EXPECT_EQ(q.analysed, 28);
    EXPECT_DOUBLE_EQ(*q.successRate, 0.7);
    EXPECT_TRUE(q.adequate);
    EXPECT_TRUE(q.problems.empty());
    EXPECT_TRUE(QualityOf(Counts(20, 7, 0)).adequate);
}

TEST(Quality, EachFailedConditionIsOneProblemInOrder) {
    const RecordingQuality low = QualityOf(Counts(21, 7, 13));  // 28 of 41
    EXPECT_FALSE(low.adequate);
    EXPECT_EQ(low.problems, std::vector<QualityProblem>{QualityProblem::LowSuccessRate});
    const RecordingQuality few = QualityOf(Counts(19, 6, 30));
    EXPECT_EQ(few.problems,
              (std::vector<QualityProblem>{QualityProblem::LowSuccessRate, QualityProblem::FewAwake,
                                           QualityProblem::FewAsleep}));
    EXPECT_EQ(QualityOf(Counts(25, 6, 0)).problems,
              std::vector<QualityProblem>{QualityProblem::FewAsleep});
}

TEST(Quality, NoReadingsHasNoSuccessRateAndCountsAsLow) {
    const RecordingQuality q = QualityOf(RecordingOf({}));
    EXPECT_FALSE(q.successRate);
    EXPECT_EQ(q.problems.size(), 3u);
    EXPECT_EQ(q.problems.front(), QualityProblem::LowSuccessRate);
}

TEST(Dipping, ClassesFromTheRatioRoundedToThreeDecimals) {
    EXPECT_EQ(ClassifyDipping(-0.0006), DippingClass::Reverse);
    EXPECT_EQ(ClassifyDipping(-0.0004), DippingClass::NonDipper);
    EXPECT_EQ(ClassifyDipping(0.0994), DippingClass::NonDipper);
    EXPECT_EQ(ClassifyDipping(0.0996), DippingClass::Dipper);
    EXPECT_EQ(ClassifyDipping(0.1), DippingClass::Dipper);
    EXPECT_EQ(ClassifyDipping(0.1994), DippingClass::Dipper);
    EXPECT_EQ(ClassifyDipping(0.1996), DippingClass::Extreme);
    EXPECT_EQ(ClassifyDipping(0.35), DippingClass::Extreme);
}

TEST(Dipping, RatiosFromThePeriodMeans) {
    // Awake 140/80, asleep 126/80: SYS falls by exactly a tenth, DIA not at all.
    const ClinicalBlock b = test::BlockOf(
        RecordingOf({Reading(130, 80, 10), Reading(150, 80, 12), Reading(126, 80, 2)}));
    EXPECT_NEAR(*b.dipping.sys.ratio, 0.1, 1e-12);
    EXPECT_NEAR(*b.dipping.sys.nightDayRatio, 0.9, 1e-12);
    EXPECT_EQ(*b.dipping.sys.dippingClass, DippingClass::Dipper);
    EXPECT_DOUBLE_EQ(*b.dipping.dia.ratio, 0.0);
    EXPECT_EQ(*b.dipping.dia.dippingClass, DippingClass::NonDipper);
}

TEST(Dipping, NothingWithoutAnAsleepOrAwakeReading) {
    for (const Recording& r :
         {RecordingOf({Reading(130, 80, 10)}), RecordingOf({Reading(130, 80, 2)})}) {
        const Dipping d = test::BlockOf(r).dipping;
        EXPECT_FALSE(d.sys.ratio || d.sys.nightDayRatio || d.sys.dippingClass);
        EXPECT_FALSE(d.dia.ratio || d.dia.nightDayRatio || d.dia.dippingClass);
    }
}

TEST(Aasi, OneMinusTheSlopeOfDiaOnSys) {
    const auto three = test::OrderedOf(
        RecordingOf({Reading(120, 80), Reading(130, 85, 11), Reading(140, 90, 12)}));
    EXPECT_DOUBLE_EQ(*ComputeAasi(three.whole), 0.5);
    // Slope of (120,70), (130,90), (140,80): Sxy = 100, Sxx = 200.
    const auto scattered = test::OrderedOf(
        RecordingOf({Reading(120, 70), Reading(130, 90, 11), Reading(140, 80, 12)}));
    EXPECT_DOUBLE_EQ(*ComputeAasi(scattered.whole), 0.5);
    const auto falling = test::OrderedOf(
        RecordingOf({Reading(120, 90), Reading(130, 80, 11), Reading(140, 70, 12)}));
    EXPECT_DOUBLE_EQ(*ComputeAasi(falling.whole), 2.0);
}

TEST(Aasi, NeedsThreeReadingsAndSpreadInSys) {
    EXPECT_FALSE(
        ComputeAasi(test::OrderedOf(RecordingOf({Reading(120, 80), Reading(130, 85, 11)})).whole));
    EXPECT_FALSE(ComputeAasi(
        test::OrderedOf(RecordingOf({Reading(120, 80), Reading(120, 85, 11), Reading(120, 90, 12)}))
            .whole));
}

TEST(HourlyMeans, PoolsTheDaysByClockHour) {
    const auto readings =
        test::OrderedOf(RecordingOf({Reading(120, 80, 10, 0, 60), Reading(131, 85, 10, 59, 71, 2),
                                     Reading(100, 60, 23, 30, 50)}));
    const std::array<HourlyMean, 24> hours = ComputeHourlyMeans(readings.whole);
    for (int h = 0; h < 24; ++h) EXPECT_EQ(hours[static_cast<size_t>(h)].hour, h);
    EXPECT_EQ(hours[10].count, 2);
    EXPECT_DOUBLE_EQ(*hours[10].sys, 125.5);
    EXPECT_DOUBLE_EQ(*hours[10].dia, 82.5);
    EXPECT_DOUBLE_EQ(*hours[10].pr, 65.5);
    EXPECT_EQ(hours[23].count, 1);
    EXPECT_DOUBLE_EQ(*hours[23].sys, 100.0);
    EXPECT_EQ(hours[11].count, 0);
    EXPECT_FALSE(hours[11].sys || hours[11].dia || hours[11].pr);
}

}  // namespace
}  // namespace vitalis::clinical
