#include "shell/LanguageTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

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
    std::string languageFolder = app.File("Language");
    LanguageTable table{app.path()};

    void SetUp() override { std::filesystem::create_directories(languageFolder); }

    void WriteLanguage(const std::string& name, const std::string& content) {
        WriteBytes(languageFolder + "/" + name, content);
    }
    std::string StoredLanguage() {
        ProfileStore config(app.File("VurConfig.ini"), ProfileOpen::ExistingOnly);
        return config.GetString("Previous Config", "Language", "<none>");
    }
    void StoreLanguage(const std::string& name) {
        ProfileStore config(app.File("VurConfig.ini"));
        config.WriteString("Previous Config", "Language", name);
    }
};

TEST_F(LanguageTableTest, ScanFindsNamesInSubfoldersButNotInHiddenOnes) {
    WriteLanguage("English.lng", "");
    WriteLanguage("Chinese(Simplified).lng", "");
    std::filesystem::create_directories(languageFolder + "/old");
    WriteLanguage("old/Deutsch.txt", "");
    std::filesystem::create_directories(languageFolder + "/.backup");
    WriteLanguage(".backup/Klingon.lng", "");
    WriteLanguage("english.bak.lng", "");  // a different name: the order is case-sensitive

    table.ScanLanguages(languageFolder);
    EXPECT_EQ(table.GetLanguageNames(),
              (std::vector<std::string>{"Chinese(Simplified)", "Deutsch", "English", "english"}));

    // A later scan shows the folder as it is now.
    std::filesystem::remove(languageFolder + "/old/Deutsch.txt");
    table.ScanLanguages(languageFolder);
    EXPECT_EQ(table.GetLanguageNames().size(), 3u);
}

TEST_F(LanguageTableTest, ScanOfAMissingFolderGivesNoNames) {
    table.ScanLanguages(app.File("nowhere"));
    EXPECT_TRUE(table.GetLanguageNames().empty());
}

TEST_F(LanguageTableTest, SetLanguageFindsTheFileIgnoringCaseAndStoresTheNameAsGiven) {
    WriteLanguage("English.lng", "[Global Setting]\r\nIDS_EXIT=Exit\r\n");
    WriteLanguage("Spanish.lng", "[Global Setting]\r\nIDS_EXIT=Salir\r\n");
    table.ScanLanguages(languageFolder);

    table.SetLanguage("spanish");
    EXPECT_EQ(table.languageFilePath(), languageFolder + "/Spanish.lng");
    EXPECT_EQ(StoredLanguage(), "spanish");
    ASSERT_TRUE(table.LoadLanguage());
    EXPECT_EQ(table.GetText("Global Setting", "IDS_EXIT"), "Salir");
}

TEST_F(LanguageTableTest, UnknownOrEmptyNamesFallBackToEnglish) {
    WriteLanguage("English.lng", "[Global Setting]\r\nIDS_EXIT=Exit\r\n");
    std::filesystem::create_directories(languageFolder + "/old");
    WriteLanguage("old/Deutsch.txt", "");
    table.ScanLanguages(languageFolder);

    table.SetLanguage("Klingon");
    EXPECT_EQ(table.languageFilePath(), languageFolder + "/English.lng");
    EXPECT_EQ(StoredLanguage(), "Klingon");

    // Known by name, but without a language file of its own.
    table.SetLanguage("Deutsch");
    EXPECT_EQ(table.languageFilePath(), languageFolder + "/English.lng");
    table.LoadLanguage();
    EXPECT_EQ(table.GetText("Global Setting", "IDS_EXIT"), "Exit");

    table.SetLanguage("");
    EXPECT_EQ(StoredLanguage(), "English");
}

TEST_F(LanguageTableTest, CurrentNameExpandsTheOldChineseNamesAndWritesThemBack) {
    EXPECT_EQ(table.GetCurrentLanguageName(), "English");
    EXPECT_EQ(StoredLanguage(), "English");

    StoreLanguage("chinesesimp");
    EXPECT_EQ(table.GetCurrentLanguageName(), "Chinese(Simplified)");
    EXPECT_EQ(StoredLanguage(), "Chinese(Simplified)");

    StoreLanguage("CHINESETRAD");
    EXPECT_EQ(table.GetCurrentLanguageName(), "Chinese(Traditional,Taiwan)");

    StoreLanguage("ChineseSimplified");  // only the exact old names are rewritten
    EXPECT_EQ(table.GetCurrentLanguageName(), "ChineseSimplified");
}

TEST_F(LanguageTableTest, TextsAreLookedUpExactlyAndMissingOnesAreEmpty) {
    WriteLanguage("English.lng",
                  "[Global Setting]\r\nIDS_EXIT=Exit\r\nIDS_EXIT=second copy\r\n"
                  "IDS_NOTE=first++second\r\n[Menu Setting]\r\nIDS_EXIT=E&xit\r\n");
    table.SetLanguage("English");
    ASSERT_TRUE(table.LoadLanguage());
    EXPECT_EQ(table.GetText("Global Setting", "IDS_EXIT"), "Exit");
    EXPECT_EQ(table.GetText("Menu Setting", "IDS_EXIT"), "E&xit");
    EXPECT_EQ(table.GetText("Global Setting", "ids_exit"), "");
    EXPECT_EQ(table.GetText("global setting", "IDS_EXIT"), "");
    EXPECT_EQ(table.GetText("Title", "IDS_TITLE_RPT"), "");
    EXPECT_EQ(table.GetText("Global Setting", "IDS_NOTE"), "first\r\nsecond");
}

TEST_F(LanguageTableTest, LongValuesAreKeptWhole) {
    const std::string longText(1500, 'x');
    WriteLanguage("English.lng", "[Dialog Setting]\r\nIDS_USER_INFO1=" + longText + "\r\n");
    table.SetLanguage("English");
    table.LoadLanguage();
    EXPECT_EQ(table.GetText("Dialog Setting", "IDS_USER_INFO1"), longText);
}

TEST_F(LanguageTableTest, Utf16FilesLoadLikeEightBitOnes) {
    const std::string text = "[Global Setting]\r\nIDS_EXIT=Salir – ¿sí?\r\n";
    std::string utf16 = "\xFF\xFE";
    // The text's characters are all below U+0800: decode UTF-8 by hand into UTF-16LE.
    for (size_t i = 0; i < text.size();) {
        unsigned c = static_cast<unsigned char>(text[i]);
        unsigned code = c;
        if (c >= 0xE0) {
            code = ((c & 0x0F) << 12) | ((text[i + 1] & 0x3F) << 6) | (text[i + 2] & 0x3F);
            i += 3;
        } else if (c >= 0xC0) {
            code = ((c & 0x1F) << 6) | (text[i + 1] & 0x3F);
            i += 2;
        } else {
            ++i;
        }
        utf16 += static_cast<char>(code & 0xFF);
        utf16 += static_cast<char>(code >> 8);
    }
    WriteLanguage("Spanish.lng", utf16);
    table.ScanLanguages(languageFolder);
    table.SetLanguage("Spanish");
    ASSERT_TRUE(table.LoadLanguage());
    EXPECT_EQ(table.GetText("Global Setting", "IDS_EXIT"), "Salir – ¿sí?");
}

TEST_F(LanguageTableTest, MissingFilesGiveEmptyTextsAndAreNotCreated) {
    table.SetLanguage("English");
    EXPECT_FALSE(table.LoadLanguage());
    EXPECT_EQ(table.GetText("Global Setting", "IDS_EXIT"), "");
    EXPECT_FALSE(std::filesystem::exists(languageFolder + "/English.lng"));

    // A change to a missing language empties a table that held texts.
    WriteLanguage("English.lng", "[Global Setting]\r\nIDS_EXIT=Exit\r\n");
    table.LoadLanguage();
    std::filesystem::remove(languageFolder + "/English.lng");
    table.LoadLanguage();
    EXPECT_EQ(table.SectionCount(), 0u);
}

TEST_F(LanguageTableTest, StartUpRecordsTheLanguageForTheReportProgram) {
    WriteLanguage("English.lng", "[Global Setting]\r\nIDS_EXIT=Exit\r\n");
    WriteLanguage("German.lng", "[Global Setting]\r\nIDS_EXIT=Beenden\r\n");
    StoreLanguage("german");

    StartLanguage(table);
    EXPECT_EQ(table.GetText("Global Setting", "IDS_EXIT"), "Beenden");
    ProfileStore start(app.File("Cnf.start"), ProfileOpen::ExistingOnly);
    EXPECT_EQ(start.GetString("START", "Language", ""), "german");

    ChangeLanguage(table, "English");
    EXPECT_EQ(table.GetText("Global Setting", "IDS_EXIT"), "Exit");
    EXPECT_EQ(start.GetString("START", "Language", ""), "English");
    EXPECT_EQ(StoredLanguage(), "English");
}

TEST_F(LanguageTableTest, ReadingTheStoredLanguageChangesNoFile) {
    WriteLanguage("German.lng", "[Global Setting]\r\nIDS_EXIT=Beenden\r\n");
    StoreLanguage("ChineseSimp");
    const std::string before = ReadBytes(app.File("VurConfig.ini"));
    EXPECT_FALSE(table.LoadStoredLanguage());  // no English.lng to fall back to
    EXPECT_EQ(ReadBytes(app.File("VurConfig.ini")), before);

    StoreLanguage("German");
    EXPECT_TRUE(table.LoadStoredLanguage());
    EXPECT_EQ(table.GetText("Global Setting", "IDS_EXIT"), "Beenden");
    EXPECT_FALSE(std::filesystem::exists(app.File("Cnf.start")));

    LanguageTable elsewhere(app.File("empty"));
    EXPECT_FALSE(elsewhere.LoadStoredLanguage());
    EXPECT_FALSE(std::filesystem::exists(app.File("empty")));
}

TEST_F(LanguageTableTest, TextsCanBeReadWhileTheLanguageChanges) {
    WriteLanguage("English.lng", "[Global Setting]\r\nIDS_EXIT=Exit\r\n");
    WriteLanguage("German.lng", "[Global Setting]\r\nIDS_EXIT=Beenden\r\n");
    table.ScanLanguages(languageFolder);
    table.SetLanguage("English");
    table.LoadLanguage();
    std::thread reader([this] {
        for (int i = 0; i < 2000; ++i) {
            const std::string text = table.GetText("Global Setting", "IDS_EXIT");
            ASSERT_TRUE(text == "Exit" || text == "Beenden" || text.empty()) << text;
        }
    });
    for (int i = 0; i < 20; ++i) {
        table.SetLanguage(i % 2 ? "English" : "German");
        table.LoadLanguage();
    }
    reader.join();
}

TEST(LanguageNames, PreselectionTakesTheFirstNameBeginningWithTheCurrentOne) {
    const std::vector<std::string> names{"Chinese(Simplified)", "Chinese(Traditional,Taiwan)",
                                         "English", "German"};
    EXPECT_EQ(PreselectedLanguage(names, "chinese"), 0);
    EXPECT_EQ(PreselectedLanguage(names, "Chinese(Traditional,Taiwan)"), 1);
    EXPECT_EQ(PreselectedLanguage(names, "ENGLISH"), 2);
    EXPECT_EQ(PreselectedLanguage(names, "Spanish"), -1);
}

}  // namespace
}  // namespace vitalis
