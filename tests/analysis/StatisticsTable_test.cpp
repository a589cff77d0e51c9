#include "analysis/StatisticsTable.h"

#include <gtest/gtest.h>

#include "analysis/PeriodDivision.h"
#include "analysis/PeriodStatistics.h"
#include "analysis/TestReadings.h"
#include "support/CaseFixtures.h"

namespace vitalis {
namespace {

using test::Reading;
using test::RecordingOf;

TEST(StatisticsTableOf, RowsFormatsAndLabels) {
    const Recording r = RecordingOf({Reading(141, 91, 12, 0, 61), Reading(130, 80, 13, 0, 70),
                                     Reading(130, 85, 14, 0, 72), Reading(125, 70, 23)});
    AnalysisResults results;
    ASSERT_TRUE(DivideMeasurements(r, results));
    ComputePeriodStats(r.thresholds(), results);
    const StatisticsTable t = BuildStatisticsTable(results, r.thresholds(), test::KeyTexts());

    EXPECT_EQ(t.title, "Global Setting:IDS_STA_MESSAGE");
    EXPECT_EQ(t.confirmText, "Message Setting:IDS_MAKE_SURE");
    EXPECT_EQ(t.columnCaptions[0], "Menu Setting:IDS_COUNT");
    EXPECT_EQ(t.columnCaptions[6], "Case Setting:IDS_STANDARD_VALUES");
    EXPECT_EQ(t.rows[0].label, "Message Setting:IDS_AWAKE");
    EXPECT_EQ(t.rows[1].label, "Message Setting:IDS_SLEEP");
    EXPECT_EQ(t.rows[2].label, "Menu Setting:IDS_SUM");

    using Cells = std::array<std::string, StatisticsTable::kColumns>;
    EXPECT_EQ(t.rows[0].cells,
              (Cells{"3", "133.7/85.3", "67.7", "48.3", "33.3", "33.3", "140/90"}));
    EXPECT_EQ(t.rows[1].cells,
              (Cells{"1", "125.0/70.0", "70.0", "55.0", "100.0", "0.0", "120/80"}));
    EXPECT_EQ(t.rows[2].cells, (Cells{"4", "131.5/81.5", "68.2", "50.0", "50.0", "25.0", ""}));
}

TEST(StatisticsTableOf, EmptyPeriodsShowZeros) {
    const AnalysisResults results;
    const StatisticsTable t = BuildStatisticsTable(results, ThresholdSettings{}, NoTexts());
    EXPECT_EQ(t.rows[1].cells[0], "0");
    EXPECT_EQ(t.rows[1].cells[1], "0.0/0.0");
    EXPECT_EQ(t.rows[1].cells[4], "0.0");
    EXPECT_EQ(t.rows[2].cells[5], "0.0");
    EXPECT_TRUE(t.title.empty());
}

}  // namespace
}  // namespace vitalis
