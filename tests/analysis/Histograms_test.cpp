#include "analysis/Histograms.h"

#include <gtest/gtest.h>

#include <numeric>

#include "analysis/PeriodDivision.h"
#include "analysis/TestReadings.h"

namespace vitalis {
namespace {

using test::Reading;
using test::RecordingOf;

TEST(Bins, UpperEdgeBelongsToTheBin) {
    EXPECT_EQ(BinOf(kSysBinEdges, 90), 0);
    EXPECT_EQ(BinOf(kSysBinEdges, 91), 1);
    EXPECT_EQ(BinOf(kSysBinEdges, 210), 12);
    EXPECT_EQ(BinOf(kSysBinEdges, 211), 13);
    EXPECT_EQ(BinOf(kSysBinEdges, 900), 13);
    EXPECT_EQ(BinOf(kSysBinEdges, 901), -1);
    EXPECT_EQ(BinOf(kDiaBinEdges, 50), 0);
    EXPECT_EQ(BinOf(kDiaBinEdges, 51), 1);
    EXPECT_EQ(BinOf(kDiaBinEdges, 181), 14);
    EXPECT_EQ(BinOf(kDiaBinEdges, 1), 0);
    EXPECT_EQ(BinOf(kDiaBinEdges, 0), -1);
    EXPECT_EQ(BinOf(kDiaBinEdges, -5), -1);
}

TEST(Histogram, FractionsOfThePeriodCount) {
    const HistogramSet set =
        HistogramsOf({Reading(90, 50, 10, 0, 60), Reading(91, 50, 10, 0, 181),
                      Reading(211, 181, 10, 0, 100), Reading(95, 55, 10, 0, 100)});
    EXPECT_DOUBLE_EQ(set.sys[0], 0.25);
    EXPECT_DOUBLE_EQ(set.sys[1], 0.5);
    EXPECT_DOUBLE_EQ(set.sys[13], 0.25);
    EXPECT_DOUBLE_EQ(set.dia[0], 0.5);
    EXPECT_DOUBLE_EQ(set.dia[1], 0.25);
    EXPECT_DOUBLE_EQ(set.dia[14], 0.25);
    EXPECT_DOUBLE_EQ(set.pr[1], 0.25);   // 60
    EXPECT_DOUBLE_EQ(set.pr[5], 0.5);    // 100
    EXPECT_DOUBLE_EQ(set.pr[14], 0.25);  // 181
    EXPECT_DOUBLE_EQ(std::accumulate(set.sys.begin(), set.sys.end(), 0.0), 1.0);
}

TEST(Histogram, ValuesOutsideTheEdgesCountNowhereButStillDivide) {
    Measurement outside = Reading(120, 80);
    outside.pr = 0;
    const HistogramSet set = HistogramsOf({outside, Reading(120, 80)});
    EXPECT_DOUBLE_EQ(std::accumulate(set.pr.begin(), set.pr.end(), 0.0), 0.5);
    EXPECT_DOUBLE_EQ(set.sys[3], 1.0);
}

TEST(Histogram, ChosenPeriodOnly) {
    Recording r = RecordingOf({Reading(120, 80, 12), Reading(150, 100, 23)});
    AnalysisResults results;
    ASSERT_TRUE(DivideMeasurements(r, results));
    ComputeHistograms(results, Period::Asleep);
    EXPECT_DOUBLE_EQ(results.histograms.sys[6], 1.0);
    EXPECT_EQ(results.histograms.sys[3], 0.0);
    ComputeHistograms(results, Period::Whole);
    EXPECT_DOUBLE_EQ(results.histograms.sys[3], 0.5);

    r.multiDay = true;
    ASSERT_TRUE(DivideMeasurements(r, results));
    ComputeHistograms(results, Period::Awake);
    EXPECT_EQ(std::accumulate(results.histograms.sys.begin(), results.histograms.sys.end(), 0.0),
              0.0);
}

}  // namespace
}  // namespace vitalis
