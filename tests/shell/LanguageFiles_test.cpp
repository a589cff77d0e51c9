// The language files shipped with the workstation: complete, nothing extra, and every text
// that other code takes apart (column lists, the CSV heading) in the shape that code expects.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "case/ResultCodes.h"
#include "shell/LanguageTable.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

const std::string kSourceDir = VITALIS_SOURCE_DIR;
const std::vector<std::string> kShipped{"English", "Spanish", "German"};

using Vocabulary = std::map<std::string, std::set<std::string>>;

Vocabulary ReadVocabulary() {
    Vocabulary vocabulary;
    std::ifstream in(kSourceDir + "/tests/data/vocabulary.txt");
    std::string line;
    while (std::getline(in, line)) {
        const size_t tab = line.find('\t');
        if (line.empty() || tab == std::string::npos) continue;
        vocabulary[line.substr(0, tab)].insert(line.substr(tab + 1));
    }
    return vocabulary;
}

// The shipped file of a language, loaded through the application's own folder layout.
class ShippedLanguage : public ::testing::TestWithParam<std::string> {
  protected:
    LanguageTable table{kSourceDir + "/res"};

    void SetUp() override {
        table.ScanLanguages(table.LanguageFolder());
        table.SelectLanguageFile(GetParam());
        ASSERT_EQ(table.languageFilePath(), table.LanguageFolder() + "/" + GetParam() + ".lng");
        ASSERT_TRUE(table.LoadLanguage());
    }
};

bool ValidUtf8(const std::string& bytes) {
    for (size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const size_t length = lead < 0x80    ? 1
                              : lead >= 0xF0 ? 4
                              : lead >= 0xE0 ? 3
                              : lead >= 0xC2 ? 2
                                             : 0;
        if (length == 0 || i + length > bytes.size()) return false;
        for (size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

// "title,width;" entries, as list columns are described.
std::vector<std::pair<std::string, int>> Columns(const std::string& text) {
    std::vector<std::pair<std::string, int>> columns;
    std::stringstream entries(text);
    std::string entry;
    while (std::getline(entries, entry, ';')) {
        const size_t comma = entry.rfind(',');
        if (comma == std::string::npos) return {};
        columns.emplace_back(entry.substr(0, comma), std::stoi(entry.substr(comma + 1)));
    }
    return columns;
}

// The sections, each with at least the texts it was made with; later texts only add to them.
TEST(Vocabulary, CoversEverySection) {
    const Vocabulary vocabulary = ReadVocabulary();
    const std::map<std::string, size_t> expected{
        {"Global Setting", 88},  // with the questions about unsaved case changes
        {"Message Setting", 48},
        {"Dialog Setting", 66},
        {"Menu Setting", 53},  // with undo, redo, save and exclude
        {"Case Setting", 39},
        {"ZuzodIriz", 41},  // with the four texts of the download session's outcomes
        {"Clinical Setting", 58},
        {"Report Setting", 55},
        {"Title", 1},
        {"Diary Setting", 19}};
    ASSERT_EQ(vocabulary.size(), expected.size());
    for (const auto& [section, count] : expected) {
        EXPECT_GE(vocabulary.at(section).size(), count) << section;
    }
}

TEST_P(ShippedLanguage, HoldsEveryKeyOfTheVocabularyAndNothingElse) {
    const Vocabulary vocabulary = ReadVocabulary();
    EXPECT_EQ(table.SectionCount(), vocabulary.size());
    for (const auto& [section, keys] : vocabulary) {
        for (const std::string& key : keys) {
            EXPECT_FALSE(table.GetText(section, key).empty()) << section << " / " << key;
        }
        for (const std::string& key : table.KeyNames(section)) {
            EXPECT_TRUE(keys.contains(key)) << "not in the vocabulary: " << section << " / " << key;
        }
    }
}

TEST_P(ShippedLanguage, IsUtf8WithCrLfLineEnds) {
    const std::string bytes = test::ReadBytes(table.languageFilePath());
    ASSERT_FALSE(bytes.empty());
    EXPECT_NE(bytes.substr(0, 2), "\xFF\xFE");
    for (size_t i = 0; i < bytes.size(); ++i) {
        const bool lineEnd = bytes[i] == '\r' || bytes[i] == '\n';
        const bool inCrLf = (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ||
                            (bytes[i] == '\n' && i > 0 && bytes[i - 1] == '\r');
        ASSERT_TRUE(!lineEnd || inCrLf) << "lone line break at byte " << i;
    }
    EXPECT_TRUE(ValidUtf8(bytes));
}

TEST_P(ShippedLanguage, ColumnListsHaveOneEntryPerColumn) {
    const auto readings = Columns(table.GetText("Dialog Setting", "IDS_SET_HEADING"));
    ASSERT_EQ(readings.size(), 10u);
    EXPECT_EQ(readings[0].first, "*");
    const auto cases = Columns(table.GetText("Dialog Setting", "IDS_ALL_INFO"));
    ASSERT_EQ(cases.size(), 4u);
    for (const auto& columns : {readings, cases}) {
        for (const auto& [title, width] : columns) {
            EXPECT_FALSE(title.empty());
            EXPECT_GE(width, 30);
            EXPECT_LE(width, 400);
        }
    }
}

TEST_P(ShippedLanguage, CsvHeadingAndFolderNamesAreUsable) {
    const std::string heading = table.GetText("Dialog Setting", "IDS_FILE_HEADING");
    EXPECT_EQ(std::count(heading.begin(), heading.end(), ','), 9);
    EXPECT_EQ(heading.find_first_of("\"\r\n"), std::string::npos);
    // The download files readings in folders named by these texts.
    for (const char* key : {"IDS_TRE_PRESSURE", "IDS_USER1"}) {
        EXPECT_EQ(table.GetText("Global Setting", key).find_first_of("/\\:*?\"<>|"),
                  std::string::npos);
    }
}

TEST_P(ShippedLanguage, EveryFailedReadingGetsAText) {
    for (int status = 1; status <= 25; ++status) {
        if (status == 3) continue;
        EXPECT_FALSE(FailureText(status, table).empty()) << "result code " << status;
    }
    EXPECT_TRUE(FailureText(0, table).empty());
    EXPECT_TRUE(FailureText(3, table).empty());
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedLanguage, ::testing::ValuesIn(kShipped),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace vitalis
