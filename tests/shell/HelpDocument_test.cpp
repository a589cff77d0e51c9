#include "shell/HelpDocument.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vitalis {
namespace {

TEST(HelpDocument, ChineseInterfacesShareOneGuideEveryOtherReadsEnglish) {
    EXPECT_EQ(HelpDocumentPath("/opt/v", "Chinese(Simplified)"), "/opt/v/res/Help/Chinese.html");
    EXPECT_EQ(HelpDocumentPath("/opt/v", "Chinese(Traditional,Taiwan)"),
              "/opt/v/res/Help/Chinese.html");
    EXPECT_EQ(HelpDocumentPath("/opt/v", "German"), "/opt/v/res/Help/English.html");
    // The English guide ships with the program.
    EXPECT_TRUE(
        std::filesystem::exists(std::string(VITALIS_SOURCE_DIR) + "/res/Help/English.html"));
}

}  // namespace
}  // namespace vitalis
