#include "analysis/PeriodDivision.h"

#include <gtest/gtest.h>

#include "analysis/AnalysisOrder.h"
#include "analysis/TestReadings.h"
#include "case/CaseWriter.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using test::Reading;
using test::RecordingOf;

TEST(AsleepTime, PeriodAcrossMidnightExcludesBothStarts) {
    const int s = 22 * 60, w = 7 * 60;
    EXPECT_FALSE(IsAsleepMinute(s, w, 22 * 60));
    EXPECT_TRUE(IsAsleepMinute(s, w, 22 * 60 + 1));
    EXPECT_TRUE(IsAsleepMinute(s, w, 0));
    EXPECT_TRUE(IsAsleepMinute(s, w, 6 * 60 + 59));
    EXPECT_FALSE(IsAsleepMinute(s, w, 7 * 60));
    EXPECT_FALSE(IsAsleepMinute(s, w, 12 * 60));
}

TEST(AsleepTime, PeriodInsideOneDayIncludesBothStarts) {
    const int s = 60, w = 360;
    EXPECT_FALSE(IsAsleepMinute(s, w, 59));
    EXPECT_TRUE(IsAsleepMinute(s, w, 60));
    EXPECT_TRUE(IsAsleepMinute(s, w, 360));
    EXPECT_FALSE(IsAsleepMinute(s, w, 361));
    // Equal starts: only that very minute is asleep.
    EXPECT_TRUE(IsAsleepMinute(600, 600, 600));
    EXPECT_FALSE(IsAsleepMinute(600, 600, 599));
    EXPECT_FALSE(IsAsleepMinute(600, 600, 601));
}

TEST(Division, SortsCountingReadingsByClockTimeOnly) {
    Measurement excluded = Reading(150, 95, 12);
    excluded.valid = 0;
    Measurement noPulse = Reading(150, 95, 12, 0, 0);  // marked valid, but no pulse
    const Recording r = RecordingOf({Reading(120, 80, 22, 0), Reading(121, 80, 22, 1),
                                     Reading(122, 80, 6, 59, 70, 2), excluded, noPulse,
                                     Reading(123, 80, 7, 0, 70, 2)});
    AnalysisResults results;
    results.reportR = 0.5;  // left from an earlier run
    ASSERT_TRUE(DivideMeasurements(r, results));
    EXPECT_EQ(results.reportR, 0.0);
    EXPECT_EQ(results.validCount, 4);
    ASSERT_EQ(results.awakeCount, 2);
    ASSERT_EQ(results.asleepCount, 2);
    EXPECT_EQ(results.awakeMeasurements[0].sys, 120);
    EXPECT_EQ(results.awakeMeasurements[1].sys, 123);
    EXPECT_EQ(results.asleepMeasurements[0].sys, 121);
    EXPECT_EQ(results.asleepMeasurements[1].sys, 122);
}

TEST(Division, ReadingSlippedIntoTheValidListIsIgnored) {
    Recording r = RecordingOf({Reading(120, 80)});
    Measurement zeros;
    zeros.valid = 1;  // an empty reading text loads like this
    r.SetValidMeasurements({r.validMeasurements()[0], zeros});
    AnalysisResults results;
    ASSERT_TRUE(DivideMeasurements(r, results));
    EXPECT_EQ(results.validCount, 1);
}

TEST(Division, CountMismatchLeavesEverythingEmpty) {
    Recording r = RecordingOf({Reading(150, 95), Reading(160, 100, 23)});
    r.measurementCount = 3;
    AnalysisResults results;
    const ReportAnalysis report = RunReportAnalysis(r, results);
    EXPECT_FALSE(report.divided);
    EXPECT_EQ(results.validCount, 0);
    EXPECT_TRUE(results.validMeasurements.empty());
    EXPECT_EQ(results.Stats(Period::Whole).count, 0);
    EXPECT_EQ(results.Stats(Period::Whole).sys.mean, 0.0f);
    EXPECT_EQ(results.totalSysLoad, 0.0);
    EXPECT_FALSE(report.nocturnalFallComputed);
}

TEST(Division, MultiDayKeepsOnlyTheWholeList) {
    Recording r = RecordingOf({Reading(150, 95), Reading(160, 100, 23)});
    r.multiDay = true;
    AnalysisResults results;
    RunReportAnalysis(r, results);
    EXPECT_EQ(results.validCount, 2);
    EXPECT_EQ(results.awakeCount + results.asleepCount, 0);
    EXPECT_EQ(results.Stats(Period::Whole).sysAboveCount, 0);
    EXPECT_EQ(results.totalSysLoad, 0.0);
    EXPECT_EQ(results.Stats(Period::Whole).sys.mean, 155.0f);
}

// The span rule is applied when the case is read; what matters here is its effect.
class SpanTest : public ::testing::Test {
  protected:
    AnalysisResults DivideCaseSpanning(int minutes) {
        const ClockTime begin{2026, 3, 1, 8, 0};
        Measurement first = Reading(150, 95, 8, 0);
        Measurement last = Reading(150, 95);
        last.SetClock(AddMinutes(begin, minutes));
        last.offsetMinutes = minutes;
        last.index = 1;
        const std::string path = folder.File("260301080000.awp");
        WriteReadings(path, {first, last}, NoTexts());
        WriteHeader(path, test::SampleHeader(begin));
        recording.casePath = path;
        EXPECT_TRUE(recording.Load());
        AnalysisResults results;
        RunReportAnalysis(recording, results);
        return results;
    }
    test::TempFolder folder;
    Recording recording;
};

TEST_F(SpanTest, SeventyTwoHoursAndFiftyNineMinutesIsDivided) {
    const AnalysisResults results = DivideCaseSpanning(72 * 60 + 59);
    EXPECT_FALSE(recording.multiDay);
    EXPECT_EQ(results.awakeCount, 2);
    EXPECT_EQ(results.totalSysLoad, 1.0);
}

TEST_F(SpanTest, SeventyThreeHoursIsNot) {
    const AnalysisResults results = DivideCaseSpanning(73 * 60);
    EXPECT_TRUE(recording.multiDay);
    EXPECT_EQ(results.validCount, 2);
    EXPECT_EQ(results.awakeCount, 0);
    EXPECT_EQ(results.totalSysLoad, 0.0);
}

}  // namespace
}  // namespace vitalis
