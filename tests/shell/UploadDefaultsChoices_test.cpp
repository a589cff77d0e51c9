// The upload defaults the configuration keeps between programming runs.
#include "shell/UploadDefaultsChoices.h"

#include <gtest/gtest.h>

#include "case/ProfileStore.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

TEST(UploadDefaultsChoices, AFreshConfigurationOpensAtSevenAndTen) {
    const UploadChoices c = ChoicesFromDefaults(UploadDefaults{});
    EXPECT_EQ(TimeText(c.awakeTime), "07:00");
    EXPECT_EQ(TimeText(c.asleepTime), "22:00");
    EXPECT_EQ(c.awakeSpan, 0);
    EXPECT_EQ(c.asleepSpan, 1);
    EXPECT_EQ(c.specialBegin, 0);
    EXPECT_EQ(c.startKey, 0);
}

TEST(UploadDefaultsChoices, AConfirmedProgrammeIsOfferedAgainAfterARestart) {
    test::TempFolder app;
    UploadChoices chosen;
    chosen.patientName = "Ada Lovelace";
    chosen.patientId = "P-7";
    chosen.awakeTime = 15, chosen.awakeSpan = 3, chosen.asleepTime = 45, chosen.asleepSpan = 9;
    chosen.specialBegin = 25, chosen.specialEnd = 28, chosen.specialSpan = 2;
    chosen.startKey = 1;
    {
        LanguageTable languages;
        AppConfigHeron config(languages);
        config.SetApplicationDirectory(app.path());
        config.Load();
        KeepAsDefaults(chosen, config.upload);
        ASSERT_TRUE(config.Save());
    }
    const ProfileStore file(app.File("VurConfig.ini"), ProfileOpen::ExistingOnly);
    EXPECT_EQ(file.GetInt("Configfamily", "Asleep Span", -1), 9);  // a position, not minutes

    LanguageTable languages;
    AppConfigHeron config(languages);
    config.SetApplicationDirectory(app.path());
    config.Load();
    const UploadChoices c = ChoicesFromDefaults(config.upload);
    EXPECT_EQ(c.patientName, "Ada Lovelace");
    EXPECT_EQ(c.patientId, "P-7");
    EXPECT_EQ(c.awakeTime, 15);
    EXPECT_EQ(c.awakeSpan, 3);
    EXPECT_EQ(c.asleepTime, 45);
    EXPECT_EQ(c.asleepSpan, 9);
    // The special period and the start key are chosen afresh for each recording.
    EXPECT_EQ(c.specialBegin, 0);
    EXPECT_EQ(c.startKey, 0);
}

TEST(UploadDefaultsChoices, AHandEditedPositionOutsideTheListsOpensAtTheDefault) {
    UploadDefaults d;
    d.awakeTime = 99, d.asleepSpan = 120;  // minutes written where a position belongs
    const UploadChoices c = ChoicesFromDefaults(d);
    EXPECT_EQ(c.awakeTime, 14);
    EXPECT_EQ(c.asleepSpan, 1);
}

}  // namespace
}  // namespace vitalis
