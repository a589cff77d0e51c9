#include "analysis/AnalysisOrder.h"

#include <gtest/gtest.h>

#include "analysis/TestReadings.h"

namespace vitalis {
namespace {

using test::Reading;
using test::RecordingOf;

const Recording kDayAndNight = RecordingOf(
    {Reading(150, 95, 12), Reading(130, 85, 14, 0, 80), Reading(126, 82, 23), Reading(118, 76, 3)});

TEST(ReportOrder, FillsEveryFigure) {
    AnalysisResults results;
    const ReportAnalysis report = RunReportAnalysis(kDayAndNight, results);
    EXPECT_TRUE(report.divided);
    EXPECT_TRUE(report.variationComputed);
    EXPECT_TRUE(report.hourlyRatioComputed);
    EXPECT_TRUE(report.correlationComputed);
    EXPECT_TRUE(report.regressionComputed);
    EXPECT_TRUE(report.nocturnalFallComputed);
    EXPECT_DOUBLE_EQ(results.awakeSysLoad, 0.5);
    EXPECT_DOUBLE_EQ(results.asleepSysLoad, 0.5);
    EXPECT_DOUBLE_EQ(results.sysNocturnalFall, (140.0 - 122.0) / 140.0);
    EXPECT_GT(results.SpreadOf(Period::Asleep).sys.cv, 0.0);
    EXPECT_NE(results.stiffnessIndex, 0.0);
}

TEST(ViewOrder, LeavesTheReportFiguresZeroEvenAfterAReport) {
    AnalysisResults results;
    RunReportAnalysis(kDayAndNight, results);
    const ViewAnalysis view =
        RunViewAnalysis(kDayAndNight, results, Period::Asleep, kFirstSummaryRanges);
    EXPECT_TRUE(view.divided);
    EXPECT_EQ(results.awakeSysLoad, 0.0);
    EXPECT_EQ(results.sysNocturnalFall, 0.0);
    EXPECT_EQ(results.reportR, 0.0);
    EXPECT_EQ(results.SpreadOf(Period::Whole).sys.sd, 0.0);
    EXPECT_EQ(results.Stats(Period::Asleep).sysAboveCount, 1);
    EXPECT_EQ(view.summary.sys.maxValue, 126);
    EXPECT_DOUBLE_EQ(results.histograms.sys[4], 0.5);  // 126 in (120,130]
    EXPECT_EQ(results.correlation.asleepPoints.size(), 2u);
    EXPECT_EQ(SelectPeriod(results, Period::Awake, kFirstSummaryRanges).sys.maxValue, 150);
    EXPECT_DOUBLE_EQ(results.histograms.sys[6], 0.5);  // 150 in (140,150]
}

}  // namespace
}  // namespace vitalis
