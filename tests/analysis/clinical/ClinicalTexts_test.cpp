#include "analysis/clinical/ClinicalTexts.h"

#include <gtest/gtest.h>

#include "analysis/clinical/ClinicalTestReadings.h"
#include "shell/LanguageTable.h"

namespace vitalis::clinical {
namespace {

using test::Reading;
using test::RecordingOf;

class EnglishVerdict : public ::testing::Test {
  protected:
    void SetUp() override {
        english.ScanLanguages(english.LanguageFolder());
        english.SelectLanguageFile("English");
        ASSERT_TRUE(english.LoadLanguage());
    }
    LanguageTable english{std::string(VITALIS_SOURCE_DIR) + "/res"};
};

TEST(FigureText, DecimalsOrTheNotComputedMark) {
    EXPECT_EQ(FigureText(std::optional<double>(12.345), 1), "12.3");
    EXPECT_EQ(FigureText(std::optional<double>(), 1), "\u2014");
    EXPECT_EQ(FigureText(-0.5, 2), "-0.50");
}

TEST_F(EnglishVerdict, SentencesNameGuidelineQualityPeriodsAndPhenotype) {
    const Recording r =
        RecordingOf({Reading(130, 70, 10), Reading(140, 70, 11), Reading(126, 62, 2)});
    const std::vector<std::string> s =
        VerdictSentences(test::BlockOf(r, OfficePressure{150, 85}, "nice2019"), english);
    ASSERT_EQ(s.size(), 8u);
    EXPECT_EQ(s[0], "Guideline: NICE NG136");
    EXPECT_EQ(s[1],
              "Recording quality: not adequate (fewer than 20 awake readings; fewer than 7 "
              "asleep readings)");
    EXPECT_EQ(s[2], "24 hours: 132.0/67.3 mmHg (no threshold)");
    EXPECT_EQ(s[3], "Awake: 135.0/70.0 mmHg (threshold 135/85): elevated");
    EXPECT_EQ(s[4], "Asleep: 126.0/62.0 mmHg (no threshold)");
    EXPECT_EQ(s[5], "Ambulatory hypertension: yes");
    EXPECT_EQ(s[6], "Dipping: non-dipper (SYS 6.7 %, DIA 11.4 %)");
    EXPECT_EQ(s[7], "Office: 150/85 mmHg, Phenotype: sustained hypertension");
}

TEST_F(EnglishVerdict, EmptyRecordingShowsMarksAndNoOfficeLine) {
    const std::vector<std::string> s = VerdictSentences(test::BlockOf(RecordingOf({})), english);
    ASSERT_EQ(s.size(), 7u);
    EXPECT_EQ(s[3], "Awake: \u2014");
    EXPECT_EQ(s[5], "Ambulatory hypertension: \u2014");
    EXPECT_EQ(s[6], "Dipping: \u2014");
}

TEST(SpanishVerdict, DippingNamesThePressuresInTheLanguage) {
    LanguageTable spanish{std::string(VITALIS_SOURCE_DIR) + "/res"};
    spanish.ScanLanguages(spanish.LanguageFolder());
    spanish.SelectLanguageFile("Spanish");
    ASSERT_TRUE(spanish.LoadLanguage());
    const Recording r =
        RecordingOf({Reading(130, 70, 10), Reading(140, 70, 11), Reading(126, 62, 2)});
    const std::vector<std::string> s = VerdictSentences(test::BlockOf(r), spanish);
    const auto dipping = std::find_if(s.begin(), s.end(), [](const std::string& line) {
        return line.find("6.7 %") != std::string::npos;
    });
    ASSERT_NE(dipping, s.end());
    EXPECT_NE(dipping->find("(PAS 6.7 %, PAD 11.4 %)"), std::string::npos) << *dipping;
}

TEST_F(EnglishVerdict, IsolatedNocturnalHypertensionGetsItsOwnLine) {
    const Recording r = RecordingOf({Reading(120, 75, 10), Reading(125, 72, 2)});
    const std::vector<std::string> s = VerdictSentences(test::BlockOf(r), english);
    EXPECT_NE(std::find(s.begin(), s.end(), "Isolated nocturnal hypertension"), s.end());
    EXPECT_NE(std::find(s.begin(), s.end(), "Dipping: reverse dipper (SYS -4.2 %, DIA 4.0 %)"),
              s.end());
}

}  // namespace
}  // namespace vitalis::clinical
