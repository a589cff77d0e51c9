#include "shell/WearInstructions.h"

#include <gtest/gtest.h>

#include "support/CaseFixtures.h"

namespace vitalis {
namespace {

TEST(WearInstructions, SevenTextsInOrderEachFollowedByAnEmptyLine) {
    const test::KeyTexts texts;
    std::string expected;
    for (int i = 1; i <= 7; ++i) {
        expected += "Dialog Setting:IDS_USER_INFO" + std::to_string(i) + "\r\n\r\n";
    }
    EXPECT_EQ(WearInstructionsText(texts), expected);
}

TEST(WearInstructions, ChinesePictureOnlyForTheLanguageNamedChinese) {
    EXPECT_EQ(WearPicturePath("/app", "Chinese"), "/app/res/wear_CHS.JPG");
    EXPECT_EQ(WearPicturePath("/app", "English"), "/app/res/wear_ENG.JPG");
    EXPECT_EQ(WearPicturePath("/app", "Chinese(Simplified)"), "/app/res/wear_ENG.JPG");
}

}  // namespace
}  // namespace vitalis
