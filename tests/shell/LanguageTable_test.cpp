#include "shell/LanguageTable.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "case/ProfileStore.h"
#include "shell/LanguageChoice.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

class LanguageTableTest : public ::testing::Test {
  protected:
    TempFolder app;
    std::string folder = app.File("Language");
    LanguageTable table{app.path()};

    void SetUp() override {
        std::filesystem::create_directories(folder + "/old");
        WriteBytes(folder + "/English.lng", "[Global Setting]\r\nIDS_EXIT=Exit\r\n");
        WriteBytes(folder + "/German.lng", "[Global Setting]\r\nIDS_EXIT=Beenden\r\n");
        WriteBytes(folder + "/old/Deutsch.txt", "");
    }
    std::string Stored(const std::string& file, std::string_view section) {
        return ProfileStore(app.File(file), ProfileOpen::ExistingOnly)
            .GetString(section, "Language", "<none>");
    }
    void Store(const std::string& name) {
        ProfileStore(app.File("VurConfig.ini")).WriteString("Previous Config", "Language", name);
    }
};

TEST_F(LanguageTableTest, ScanNamesFilesOfSubfoldersButSkipsHiddenOnes) {
    std::filesystem::create_directories(folder + "/.backup");
    WriteBytes(folder + "/.backup/Klingon.lng", "");
    WriteBytes(folder + "/english.bak", "");
    table.ScanLanguages(folder);
    EXPECT_EQ(table.GetLanguageNames(),
              (std::vector<std::string>{"Deutsch", "English", "German", "english"}));
    // A later scan shows the folder as it is now.
    std::filesystem::remove(folder + "/old/Deutsch.txt");
    table.ScanLanguages(folder);
    EXPECT_EQ(table.GetLanguageNames().size(), 3u);
}

TEST_F(LanguageTableTest, SetLanguageIgnoresCaseAndFallsBackToEnglish) {
    table.ScanLanguages(folder);
    table.SetLanguage("german");
    EXPECT_EQ(table.languageFilePath(), folder + "/German.lng");
    EXPECT_EQ(Stored("VurConfig.ini", "Previous Config"), "german");
    ASSERT_TRUE(table.LoadLanguage());
    EXPECT_EQ(table.GetText("Global Setting", "IDS_EXIT"), "Beenden");

    table.SetLanguage("Klingon");  // unknown: English texts, the choice stays stored
    EXPECT_EQ(table.languageFilePath(), folder + "/English.lng");
    EXPECT_EQ(Stored("VurConfig.ini", "Previous Config"), "Klingon");
    table.SetLanguage("Deutsch");  // known only through a file that holds no texts
    EXPECT_EQ(table.languageFilePath(), folder + "/English.lng");
    table.SetLanguage("");
    EXPECT_EQ(Stored("VurConfig.ini", "Previous Config"), "English");
}

TEST_F(LanguageTableTest, CurrentNameExpandsTheOldChineseNamesAndWritesThemBack) {
    EXPECT_EQ(table.GetCurrentLanguageName(), "English");
    Store("chinesesimp");
    EXPECT_EQ(table.GetCurrentLanguageName(), "Chinese(Simplified)");
    EXPECT_EQ(Stored("VurConfig.ini", "Previous Config"), "Chinese(Simplified)");
    Store("CHINESETRAD");
    EXPECT_EQ(table.GetCurrentLanguageName(), "Chinese(Traditional,Taiwan)");
    Store("ChineseSimplified");
    EXPECT_EQ(table.GetCurrentLanguageName(), "ChineseSimplified");
}

TEST_F(LanguageTableTest, TextsAreFoundExactlyAndKeptWhole) {
    const std::string longText(1500, 'x');
    WriteBytes(folder + "/English.lng",
               "[Global Setting]\r\nIDS_EXIT=Exit\r\nIDS_EXIT=second copy\r\nIDS_NOTE=a++b\r\n"
               "[Menu Setting]\r\nIDS_EXIT=E&xit\r\nIDS_LONG=" +
                   longText + "\r\n");
    table.SetLanguage("English");
    ASSERT_TRUE(table.LoadLanguage());
    EXPECT_EQ(table.GetText("Global Setting", "IDS_EXIT"), "Exit");
    EXPECT_EQ(table.GetText("Menu Setting", "IDS_EXIT"), "E&xit");
    EXPECT_EQ(table.GetText("Global Setting", "ids_exit"), "");
    EXPECT_EQ(table.GetText("global setting", "IDS_EXIT"), "");
    EXPECT_EQ(table.GetText("Title", "IDS_TITLE_RPT"), "");
    EXPECT_EQ(table.GetText("Global Setting", "IDS_NOTE"), "a\r\nb");
    EXPECT_EQ(table.GetText("Menu Setting", "IDS_LONG"), longText);
}

TEST_F(LanguageTableTest, Utf16FilesLoadLikeEightBitOnes) {
    // "[T]\r\nK=Café" in UTF-16LE with its byte-order mark.
    std::string utf16 = "\xFF\xFE";
    for (const char c : std::string("[T]\r\nK=Caf")) utf16 += std::string{c, '\0'};
    utf16 += std::string("\xE9\0", 2);
    WriteBytes(folder + "/German.lng", utf16);
    table.ScanLanguages(folder);
    table.SetLanguage("German");
    ASSERT_TRUE(table.LoadLanguage());
    EXPECT_EQ(table.GetText("T", "K"), "Caf\xC3\xA9");
}

TEST_F(LanguageTableTest, MissingFilesGiveEmptyTextsAndAreNotCreated) {
    table.SetLanguage("English");
    table.LoadLanguage();
    std::filesystem::remove(folder + "/English.lng");
    EXPECT_FALSE(table.LoadLanguage());
    EXPECT_EQ(table.GetText("Global Setting", "IDS_EXIT"), "");
    EXPECT_FALSE(std::filesystem::exists(folder + "/English.lng"));
}

TEST_F(LanguageTableTest, TheLanguageReachesCnfStartAtStartAndAtEveryChange) {
    Store("german");
    StartLanguage(table);
    EXPECT_EQ(table.GetText("Global Setting", "IDS_EXIT"), "Beenden");
    EXPECT_EQ(Stored("Cnf.start", "START"), "german");

    ChangeLanguage(table, "English");
    EXPECT_EQ(table.GetText("Global Setting", "IDS_EXIT"), "Exit");
    EXPECT_EQ(Stored("Cnf.start", "START"), "English");
    EXPECT_EQ(Stored("VurConfig.ini", "Previous Config"), "English");
}

TEST_F(LanguageTableTest, ReadingTheStoredLanguageWritesNothing) {
    Store("German");
    const std::string before = ReadBytes(app.File("VurConfig.ini"));
    EXPECT_TRUE(table.LoadStoredLanguage());
    EXPECT_EQ(table.GetText("Global Setting", "IDS_EXIT"), "Beenden");
    EXPECT_EQ(ReadBytes(app.File("VurConfig.ini")), before);
    EXPECT_FALSE(std::filesystem::exists(app.File("Cnf.start")));

    LanguageTable elsewhere(app.File("empty"));
    EXPECT_FALSE(elsewhere.LoadStoredLanguage());
    EXPECT_FALSE(std::filesystem::exists(app.File("empty")));
}

TEST(LanguageDialog, PreselectsTheFirstNameBeginningWithTheCurrentOne) {
    const std::vector<std::string> names{"Chinese(Simplified)", "Chinese(Traditional,Taiwan)",
                                         "English"};
    EXPECT_EQ(PreselectedLanguage(names, "chinese"), 0);
    EXPECT_EQ(PreselectedLanguage(names, "ENGLISH"), 2);
    EXPECT_EQ(PreselectedLanguage(names, "Spanish"), -1);
}

}  // namespace
}  // namespace vitalis
