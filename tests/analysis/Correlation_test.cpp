#include "analysis/Correlation.h"

#include <gtest/gtest.h>

#include <vector>

#include "analysis/PeriodDivision.h"
#include "analysis/TestReadings.h"

namespace vitalis {
namespace {

using test::Reading;
using test::RecordingOf;

struct Both {
    AnalysisResults results;
    bool correlation = false;
    bool regression = false;
};

Both Correlate(const Recording& r) {
    Both both;
    EXPECT_TRUE(DivideMeasurements(r, both.results));
    BuildCorrelationData(r, both.results);
    both.correlation = ComputeCorrelation(both.results);
    both.regression = ComputeRegression(both.results);
    return both;
}

TEST(Pearson, RefusesFlatOrMismatchedInput) {
    double r = 7.0;
    EXPECT_FALSE(PearsonR(std::vector<int>{120, 120}, std::vector<int>{80, 90}, r));
    EXPECT_FALSE(PearsonR(std::vector<int>{120}, std::vector<int>{80}, r));
    EXPECT_FALSE(PearsonR(std::vector<int>{}, std::vector<int>{}, r));
    EXPECT_FALSE(PearsonR(std::vector<int>{1, 2}, std::vector<int>{1}, r));
    EXPECT_EQ(r, 7.0);
    ASSERT_TRUE(PearsonR(std::vector<int>{1, 2, 3}, std::vector<int>{3, 2, 1}, r));
    EXPECT_DOUBLE_EQ(r, -1.0);
}

TEST(Regression, PointsOnOneLine) {
    const Both b =
        Correlate(RecordingOf({Reading(120, 80, 12), Reading(130, 85, 13), Reading(140, 90, 23)}));
    const CorrelationData& c = b.results.correlation;
    EXPECT_DOUBLE_EQ(c.r, 1.0);
    EXPECT_DOUBLE_EQ(c.diaOnSysSlope, 0.5);
    EXPECT_DOUBLE_EQ(c.diaOnSysIntercept, 20.0);
    EXPECT_DOUBLE_EQ(c.sysOnDiaSlope, 2.0);
    EXPECT_DOUBLE_EQ(c.sysOnDiaIntercept, -40.0);
    EXPECT_EQ(c.centreSys, 130);
    EXPECT_EQ(c.centreDia, 85);
    EXPECT_EQ(c.awakePoints, (std::vector<CorrelationPoint>{{120, 80}, {130, 85}}));
    EXPECT_EQ(c.asleepPoints, (std::vector<CorrelationPoint>{{140, 90}}));

    ASSERT_TRUE(b.correlation);
    ASSERT_TRUE(b.regression);
    EXPECT_DOUBLE_EQ(b.results.reportR, 1.0);
    EXPECT_DOUBLE_EQ(b.results.reportDiaOnSysSlope, 0.5);
    EXPECT_DOUBLE_EQ(b.results.reportSysOnDiaIntercept, -40.0);
    // Coinciding lines cross everywhere: the centre is the rounded point of the means.
    EXPECT_EQ(b.results.reportCentreSys, 130);
    EXPECT_EQ(b.results.reportCentreDia, 85);
    EXPECT_DOUBLE_EQ(b.results.stiffnessIndex, 0.5);
}

TEST(Regression, ChartTruncatesTheCentreAndTheReportRounds) {
    // Means 131.75 and 84.75.
    const Both b = Correlate(
        RecordingOf({Reading(120, 80), Reading(127, 86), Reading(140, 86), Reading(140, 87)}));
    EXPECT_EQ(b.results.correlation.centreSys, 131);
    EXPECT_EQ(b.results.correlation.centreDia, 84);
    ASSERT_TRUE(b.regression);
    EXPECT_EQ(b.results.reportCentreSys, 132);
    EXPECT_EQ(b.results.reportCentreDia, 85);
    EXPECT_GT(b.results.reportR, 0.0);
    EXPECT_LT(b.results.reportR, 1.0);
    EXPECT_DOUBLE_EQ(b.results.reportR, b.results.correlation.r);
    EXPECT_DOUBLE_EQ(b.results.stiffnessIndex, 1.0 - b.results.correlation.diaOnSysSlope);
}

TEST(Regression, SingleReading) {
    const Both b = Correlate(RecordingOf({Reading(133, 87, 23, 30)}));
    const CorrelationData& c = b.results.correlation;
    EXPECT_EQ(c.r, 0.0);
    EXPECT_EQ(c.diaOnSysSlope, 0.0);
    EXPECT_EQ(c.sysOnDiaSlope, 0.0);
    EXPECT_EQ(c.centreSys, 133);
    EXPECT_EQ(c.centreDia, 87);
    EXPECT_EQ(c.asleepPoints.size(), 1u);
    EXPECT_FALSE(b.correlation);
    EXPECT_FALSE(b.regression);
    EXPECT_EQ(b.results.reportCentreSys, 0);
}

TEST(Regression, ConstantSysFitsOnlyTheOtherLine) {
    const Both b = Correlate(RecordingOf({Reading(130, 80), Reading(130, 90)}));
    const CorrelationData& c = b.results.correlation;
    EXPECT_EQ(c.diaOnSysSlope, 0.0);
    EXPECT_EQ(c.diaOnSysIntercept, 0.0);
    EXPECT_DOUBLE_EQ(c.sysOnDiaSlope, 0.0);
    EXPECT_DOUBLE_EQ(c.sysOnDiaIntercept, 130.0);
    EXPECT_EQ(c.r, 0.0);
    // The report stops at the first line: nothing after it is filled.
    EXPECT_FALSE(b.regression);
    EXPECT_EQ(b.results.reportSysOnDiaIntercept, 0.0);
    EXPECT_EQ(b.results.stiffnessIndex, 0.0);
}

TEST(Regression, ConstantDiaKeepsTheFirstLineOnly) {
    const Both b = Correlate(RecordingOf({Reading(120, 80), Reading(140, 80)}));
    EXPECT_DOUBLE_EQ(b.results.correlation.diaOnSysSlope, 0.0);
    EXPECT_DOUBLE_EQ(b.results.correlation.diaOnSysIntercept, 80.0);
    EXPECT_FALSE(b.regression);
    EXPECT_DOUBLE_EQ(b.results.reportDiaOnSysIntercept, 80.0);
    EXPECT_EQ(b.results.reportSysOnDiaIntercept, 0.0);
    EXPECT_EQ(b.results.reportCentreSys, 0);
    EXPECT_EQ(b.results.stiffnessIndex, 0.0);
}

TEST(Points, SplitByClockTimeEvenAcrossDays) {
    Recording r = RecordingOf(
        {Reading(120, 80, 22, 0), Reading(121, 80, 22, 1), Reading(122, 80, 7, 0, 70, 5)});
    r.multiDay = true;
    const Both b = Correlate(r);
    EXPECT_EQ(b.results.correlation.awakePoints,
              (std::vector<CorrelationPoint>{{120, 80}, {122, 80}}));
    EXPECT_EQ(b.results.correlation.asleepPoints, (std::vector<CorrelationPoint>{{121, 80}}));
}

TEST(Points, NoReadingsClearsEverything) {
    Recording r;
    AnalysisResults results;
    results.correlation.awakePoints.push_back({1, 1});
    results.correlation.r = 0.4;
    BuildCorrelationData(r, results);
    EXPECT_TRUE(results.correlation.awakePoints.empty());
    EXPECT_EQ(results.correlation.r, 0.0);
}

}  // namespace
}  // namespace vitalis
