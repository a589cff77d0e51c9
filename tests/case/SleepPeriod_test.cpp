#include "case/SleepPeriod.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "case/ProfileStore.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using test::TempFolder;

TEST(HalfHourEntries, LabelsAndRoundingDown) {
    EXPECT_EQ(HalfHourLabel(0), "0:00");
    EXPECT_EQ(HalfHourLabel(1), "0:30");
    EXPECT_EQ(HalfHourLabel(44), "22:00");
    EXPECT_EQ(HalfHourLabel(47), "23:30");
    // An asleep start of 22:15 shows as 22:00.
    EXPECT_EQ(HalfHourEntry(1335), 44);
    EXPECT_EQ(HalfHourEntry(450), 15);
    EXPECT_EQ(HalfHourEntry(1439), 47);
    EXPECT_EQ(HalfHourEntry(-5), 0);
    EXPECT_EQ(HalfHourEntry(5000), 47);
}

class SleepPeriodTest : public ::testing::Test {
  protected:
    void SetUp() override {
        recording.casePath = folder.File("2603010800.awp");
        test::WriteSampleCase(recording.casePath, {2026, 3, 1, 8, 0}, 20);
        ASSERT_TRUE(recording.Load());
    }
    TempFolder folder;
    Recording recording;
};

TEST_F(SleepPeriodTest, NewStartsReachTheFileAndLoadBack) {
    ASSERT_TRUE(ChangeSleepPeriod(recording, 13, 45));
    EXPECT_EQ(recording.awakeStart, 390);
    EXPECT_EQ(recording.asleepStart, 1350);
    const ProfileStore file(recording.casePath);
    EXPECT_EQ(file.GetInt("TEST 1", "Awake Time", 0), 13);
    EXPECT_EQ(file.GetInt("TEST 1", "Asleep Time", 0), 45);

    Recording again;
    again.casePath = recording.casePath;
    ASSERT_TRUE(again.Load());
    EXPECT_EQ(again.awakeStart, 390);
    EXPECT_EQ(again.asleepStart, 1350);
    EXPECT_EQ(again.allMeasurements().size(), 20u);
}

TEST_F(SleepPeriodTest, OtherTestSectionAndUnwritableCasesLeaveTheStarts) {
    // A case whose data sit in another test section gets the starts there.
    ProfileStore(recording.casePath).WriteString("PATIENT DATA", "Test Count", "2");
    ASSERT_TRUE(ChangeSleepPeriod(recording, 12, 44));
    EXPECT_EQ(ProfileStore(recording.casePath).GetInt("TEST 2", "Awake Time", 0), 12);

    // Without "Test Count" there is no test to change; a vanished file is not made again.
    ProfileStore(recording.casePath).DeleteKey("PATIENT DATA", "Test Count");
    EXPECT_FALSE(ChangeSleepPeriod(recording, 16, 40));
    EXPECT_EQ(recording.awakeStart, 360);
    recording.casePath = folder.File("gone.awp");
    EXPECT_FALSE(ChangeSleepPeriod(recording, 16, 40));
    EXPECT_FALSE(std::filesystem::exists(recording.casePath));
    EXPECT_EQ(recording.asleepStart, 1320);
}

}  // namespace
}  // namespace vitalis
