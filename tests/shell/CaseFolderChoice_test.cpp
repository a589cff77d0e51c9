#include "shell/CaseFolderChoice.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "shell/AppConfig.h"
#include "support/ScopedVariable.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

// The refusal's text with both of its places, and the reason for a folder that is no full path.
class RefusalTexts final : public TextSource {
  public:
    std::string Text(std::string_view section, std::string_view key) const override {
        if (section != kCaseTexts) return {};
        if (key == "IDS_FOLDER_REFUSED") return "refused %1 because %2";
        if (key == "IDS_FOLDER_NOT_FULL") return "not full";
        return {};
    }
};

TEST(CaseFolderRefusal, AcceptsAWritableFolderAndCreatesItWhenMissing) {
    const TempFolder root;
    const RefusalTexts texts;
    EXPECT_EQ(CaseFolderRefusal(root.path(), texts), "");
    const std::string fresh = root.File("new/cases");
    EXPECT_EQ(CaseFolderRefusal(fresh, texts), "");
    EXPECT_TRUE(fs::is_directory(fresh));
    // The trial file the check writes is gone again.
    EXPECT_TRUE(fs::is_empty(fresh));
}

TEST(CaseFolderRefusal, RefusesWhatCannotHoldCaseFilesAndSaysWhy) {
    const TempFolder root;
    const RefusalTexts texts;
    // Below a file no folder can be made, whoever runs the program.
    test::WriteBytes(root.File("plain"), "x");
    const std::string belowFile = root.File("plain/cases");
    const std::string refusal = CaseFolderRefusal(belowFile, texts);
    EXPECT_TRUE(refusal.starts_with("refused " + belowFile + " because ")) << refusal;
    EXPECT_GT(refusal.size(), ("refused " + belowFile + " because ").size());
    EXPECT_FALSE(fs::exists(belowFile));

    EXPECT_EQ(CaseFolderRefusal("", texts), "refused  because not full");
    EXPECT_EQ(CaseFolderRefusal("cases", texts), "refused cases because not full");
    EXPECT_FALSE(fs::exists("cases"));
}

class CaseFolderChoiceTest : public ::testing::Test {
  protected:
    TempFolder app;
    TempFolder userData;
    test::ScopedVariable dataHome{"XDG_DATA_HOME", userData.path()};
    LanguageTable languages;
    AppConfigHeron config{languages};
    void SetUp() override { config.SetApplicationDirectory(app.path()); }
};

TEST_F(CaseFolderChoiceTest, TheDefaultFolderIsStoredAsTheDefaultAndAnyOtherByItsPath) {
    const std::string standard = userData.File("Vitalis/cases");
    ASSERT_EQ(config.DefaultCaseFolder(), standard);
    StoreCaseFolderChoice(config, app.File("clinic"));
    EXPECT_EQ(config.useDefaultPath, 0);
    EXPECT_EQ(config.caseFolder, app.File("clinic"));
    StoreCaseFolderChoice(config, standard + "/");
    EXPECT_EQ(config.useDefaultPath, 1);
    EXPECT_EQ(config.caseFolder, standard);
    StoreCaseFolderChoice(config, app.File("clinic") + "//");
    EXPECT_EQ(config.useDefaultPath, 0);
    EXPECT_EQ(config.caseFolder, app.File("clinic"));
    StoreCaseFolderChoice(config, "/");
    EXPECT_EQ(config.caseFolder, "/");
}

}  // namespace
}  // namespace vitalis
