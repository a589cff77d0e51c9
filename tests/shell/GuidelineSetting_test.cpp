#include "shell/GuidelineSetting.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace vitalis {
namespace {

TEST(GuidelineSetting, StoredIdOrTheDefaultForMissingAndUnknown) {
    test::TempFolder folder;
    ProfileStore file(folder.File("VurConfig.ini"));
    EXPECT_EQ(ReadGuidelineId(file, "Configfamily"), "esh2023");
    WriteGuidelineId(file, "Configfamily", "nice2019");
    EXPECT_EQ(file.GetString("Configfamily", "Guideline", ""), "nice2019");
    EXPECT_EQ(ReadGuidelineId(file, "Configfamily"), "nice2019");
    file.WriteString("Configfamily", "Guideline", "NICE2019");
    EXPECT_EQ(ReadGuidelineId(file, "Configfamily"), "esh2023");
}

TEST(GuidelineSetting, ProfileThresholdsReplaceOnlyThePeriodsTheProfileSets) {
    ThresholdSettings own;
    own.asleepSys = 118, own.asleepDia = 72, own.dayLoad = 33;
    const ThresholdSettings acc =
        WithProfileThresholds(own, *clinical::FindGuideline("acc-aha2017"));
    EXPECT_EQ(acc.awakeSys, 130);
    EXPECT_EQ(acc.awakeDia, 80);
    EXPECT_EQ(acc.asleepSys, 110);
    EXPECT_EQ(acc.asleepDia, 65);
    EXPECT_EQ(acc.dayLoad, 33);
    const ThresholdSettings nice = WithProfileThresholds(own, *clinical::FindGuideline("nice2019"));
    EXPECT_EQ(nice.awakeSys, 135);
    EXPECT_EQ(nice.awakeDia, 85);
    EXPECT_EQ(nice.asleepSys, 118);
    EXPECT_EQ(nice.asleepDia, 72);
}

}  // namespace
}  // namespace vitalis
