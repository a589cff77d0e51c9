#include <gtest/gtest.h>

#include "case/PatientSex.h"

namespace vitalis {
namespace {

// Texts named by their keys, so a test sees which key a sex was given.
class KeyTexts final : public TextSource {
  public:
    std::string Text(std::string_view section, std::string_view key) const override {
        return std::string(section) + "/" + std::string(key);
    }
};

TEST(PatientSex, CaseFileCodesKeepTheirMeaningAndUnsetIsUnknown) {
    EXPECT_EQ(SexFromCode(0), PatientSex::Unknown);
    EXPECT_EQ(SexFromCode(1), PatientSex::Male);
    EXPECT_EQ(SexFromCode(2), PatientSex::Female);
    // Codes nobody writes are not guessed at.
    EXPECT_EQ(SexFromCode(3), PatientSex::Unknown);
    EXPECT_EQ(SexFromCode(-1), PatientSex::Unknown);
    for (int code : {0, 1, 2}) EXPECT_EQ(SexCode(SexFromCode(code)), code);
}

TEST(PatientSex, NamesComeFromTheGlobalSection) {
    const KeyTexts texts;
    EXPECT_EQ(SexText(PatientSex::Male, texts), "Global Setting/IDS_MAN");
    EXPECT_EQ(SexText(PatientSex::Female, texts), "Global Setting/IDS_WOMAN");
    EXPECT_EQ(SexText(PatientSex::Unknown, texts), "Global Setting/IDS_SEX_UNKNOWN");
}

}  // namespace
}  // namespace vitalis
