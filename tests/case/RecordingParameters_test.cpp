#include "case/RecordingParameters.h"

#include <gtest/gtest.h>

#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

TEST(RecordingParameters, ScheduleAndSleepPeriodOfALoadedCase) {
    test::TempFolder folder;
    Recording recording;
    recording.casePath = folder.File("2603010805.awp");
    test::WriteSampleCase(recording.casePath, {2026, 3, 1, 8, 5}, 20);
    ASSERT_TRUE(recording.Load());
    const auto rows = RecordingParameterRows(recording, test::KeyTexts());
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[2].value, "2026-03-01 08:05");
    EXPECT_EQ(rows[3].value, "20 (Menu Setting:IDS_EXCLUDED: 1)");
    EXPECT_EQ(rows[4].value,
              "Message Setting:IDS_TIME 07:00, Message Setting:IDS_INTERVALS 15 "
              "Dialog Setting:IDS_MINS");
    EXPECT_EQ(rows[6].value, "22:00 - 07:00");
    EXPECT_EQ(IntervalText(0, test::KeyTexts()), "Dialog Setting:IDS_NONE");
}

}  // namespace
}  // namespace vitalis
