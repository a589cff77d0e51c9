#include "shell/AppConfig.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "case/FileAccess.h"
#include "case/ProfileStore.h"
#include "shell/LanguageChoice.h"
#include "shell/ProgramFolder.h"
#include "support/ScopedVariable.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using test::TempFolder;

class AppConfigTest : public ::testing::Test {
  protected:
    TempFolder app;
    LanguageTable languages;
    AppConfigHeron config{languages};

    // The user's settings folder of this test, never the real one, apart from the program's.
    TempFolder userSettings;
    std::string userFile = userSettings.File("Vitalis/VurConfig.ini");
    // The user's data folder of this test: the default case folder lies below it.
    TempFolder userData;
    test::ScopedVariable dataHome{"XDG_DATA_HOME", userData.path()};
    std::string userCases = userData.File("Vitalis/cases");

    void SetUp() override {
        ::setenv("XDG_CONFIG_HOME", userSettings.path().c_str(), 1);
        config.SetApplicationDirectory(app.path());
    }

    ProfileStore Stored() {
        return ProfileStore(app.File("VurConfig.ini"), ProfileOpen::ExistingOnly);
    }
    void Store(std::string_view section, std::string_view key, std::string_view value) {
        ProfileStore file(app.File("VurConfig.ini"));
        file.WriteString(section, key, value);
    }
};

// Collects what the settings tell the user.
struct HeardMessages final : MessageSink {
    std::vector<std::string> heard;
    void ShowMessage(std::string_view text) override { heard.emplace_back(text); }
};

TEST_F(AppConfigTest, AFirstStartTakesEveryDefaultAndSavesThem) {
    ASSERT_TRUE(config.Load());
    EXPECT_FALSE(std::filesystem::exists(app.File("VurConfig.ini")));  // reading creates nothing
    EXPECT_EQ(config.useBluetooth, 0);
    EXPECT_EQ(config.showSelectDevice, 1);
    EXPECT_EQ(config.language, "English");
    EXPECT_EQ(config.useDefaultPath, 1);
    EXPECT_EQ(config.caseFolder, userCases);
    EXPECT_EQ(config.upload.asleepTime, 44);
    EXPECT_EQ(config.configNames, std::vector<std::string>{"family"});
    EXPECT_FALSE(config.caseOpen);

    ASSERT_TRUE(config.Save());
    const ProfileStore file = Stored();
    EXPECT_EQ(file.GetString("Previous Config", "Current Config", ""), "family");
    EXPECT_EQ(file.GetString("Previous Config", "Language", ""), "English");
    EXPECT_EQ(file.GetInt("Previous Config", "ShowSelectDevice", -1), 1);
    EXPECT_EQ(file.GetInt("Configfamily", "Awake Sys Thresh", 0), 140);
    EXPECT_EQ(file.GetInt("Configfamily", "Awake Dia Thresh", 0), 90);
    EXPECT_EQ(file.GetInt("Configfamily", "Asleep Sys Thresh", 0), 120);
    EXPECT_EQ(file.GetInt("Configfamily", "Asleep Dia Thresh", 0), 80);
    EXPECT_EQ(file.GetInt("Configfamily", "NightBPLoad", 0), 50);
    EXPECT_EQ(file.GetString("Configfamily", "Config Name", ""), "family");
    EXPECT_EQ(file.GetString("Configfamily", "Patient File Path", ""), userCases);
    EXPECT_EQ(file.GetString("Configfamily", "Guideline", ""), "esh2023");
    EXPECT_EQ(file.KeyNames("Configfamily").size(), 18u);
}

TEST_F(AppConfigTest, ASessionSavesOnlyWhatChangedAndAnUnreadableFileIsNeverWrittenOver) {
    HeardMessages messages;
    config.SetMessageSink(messages);
    config.Load();
    ASSERT_TRUE(config.SaveIfChanged());
    EXPECT_FALSE(std::filesystem::exists(app.File("VurConfig.ini")));
    config.upload.awakeTime = 12;
    ASSERT_TRUE(config.SaveIfChanged());
    EXPECT_EQ(Stored().GetInt("Configfamily", "Awake Time", 0), 12);
    // Unchanged again: an edit made meanwhile by someone else stays.
    Store("Configfamily", "Awake Span", "7");
    ASSERT_TRUE(config.SaveIfChanged());
    EXPECT_EQ(Stored().GetInt("Configfamily", "Awake Span", 0), 7);
    EXPECT_TRUE(messages.heard.empty());

    // Over the size limit: read as nothing, said so, and left exactly as it was.
    app.AddShippedLanguages();
    std::filesystem::resize_file(app.File("VurConfig.ini"), kMaxProfileFileBytes + 1);
    config.Load();
    EXPECT_TRUE(config.readFailed());
    EXPECT_EQ(config.upload.awakeTime, 14);
    config.upload.awakeTime = 16;
    EXPECT_FALSE(config.SaveIfChanged());
    EXPECT_FALSE(config.Save());
    EXPECT_EQ(std::filesystem::file_size(app.File("VurConfig.ini")), kMaxProfileFileBytes + 1);
    ASSERT_EQ(messages.heard.size(), 2u);
    EXPECT_TRUE(messages.heard[0].starts_with("The settings file could not be read"))
        << messages.heard[0];
    EXPECT_NE(messages.heard[1].find(app.File("VurConfig.ini")), std::string::npos);
}

TEST_F(AppConfigTest, TheUsersOwnSettingsFileIsReadFirst) {
    Store("Configfamily", "Awake Time", "10");
    std::filesystem::create_directories(userSettings.File("Vitalis"));
    test::WriteBytes(userFile, "[Configfamily]\r\nAwake Time=20\r\n");
    config.Load();
    EXPECT_EQ(config.upload.awakeTime, 20);
    config.upload.awakeTime = 22;
    ASSERT_TRUE(config.SaveIfChanged());
    EXPECT_EQ(ProfileStore(userFile).GetInt("Configfamily", "Awake Time", 0), 22);
    EXPECT_EQ(Stored().GetInt("Configfamily", "Awake Time", 0), 10);
}

TEST_F(AppConfigTest, AReadOnlyProgramFolderSendsTheSettingsToTheUsersFolder) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes everywhere";
    Store("Elsewhere", "Kept", "yes");  // a key no save writes
    std::filesystem::permissions(app.path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    config.Load();
    config.upload.awakeTime = 12;
    const bool saved = config.SaveIfChanged();
    std::filesystem::permissions(app.path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    ASSERT_TRUE(saved);
    EXPECT_EQ(ProfileStore(userFile).GetInt("Configfamily", "Awake Time", 0), 12);
    EXPECT_EQ(ProfileStore(userFile).GetString("Elsewhere", "Kept", ""), "yes");
}

TEST_F(AppConfigTest, ChangedSettingsSurviveASaveAndALoad) {
    config.Load();
    config.useBluetooth = 1;
    config.showSelectDevice = 0;
    config.useDefaultPath = 0;
    config.caseFolder = app.File("cases");
    config.thresholds = {135, 85, 115, 70, 30, 45, 20, 5};
    config.upload = {{"Ada Lovelace", "A-17", {}, {}}, 12, 3, 40, 5};
    config.guideline = "acc-aha2017";
    config.Save();

    LanguageTable otherLanguages;
    AppConfigHeron reloaded(otherLanguages);
    reloaded.SetApplicationDirectory(app.path());
    reloaded.Load();
    EXPECT_EQ(reloaded.useBluetooth, 1);
    EXPECT_EQ(reloaded.showSelectDevice, 0);
    EXPECT_EQ(reloaded.caseFolder, app.File("cases"));
    const ThresholdSettings& t = reloaded.thresholds;
    EXPECT_EQ(std::vector<int>({t.awakeSys, t.awakeDia, t.asleepSys, t.asleepDia, t.dayLoad,
                                t.nightLoad, t.highFall, t.lowFall}),
              std::vector<int>({135, 85, 115, 70, 30, 45, 20, 5}));
    EXPECT_EQ(reloaded.upload.patient.name, "Ada Lovelace");
    EXPECT_EQ(reloaded.upload.asleepSpan, 5);
    EXPECT_EQ(reloaded.guideline, "acc-aha2017");
}

TEST_F(AppConfigTest, TheDefaultFolderFlagWinsOverAStoredPath) {
    Store("Configfamily", "Use Default Path", "1");
    Store("Configfamily", "Patient File Path", "/somewhere/else");
    config.Load();
    EXPECT_EQ(config.caseFolder, userCases);

    Store("Configfamily", "Use Default Path", "0");
    config.Load();
    EXPECT_EQ(config.caseFolder, "/somewhere/else");

    Store("Configfamily", "Patient File Path", "");
    config.Load();
    EXPECT_EQ(config.caseFolder, userCases);
}

TEST_F(AppConfigTest, AlwaysWorksInTheFamilySection) {
    Store("Previous Config", "Current Config", "clinic");
    Store("Configclinic", "Awake Sys Thresh", "150");
    Store("Configfamily", "Awake Sys Thresh", "145");
    config.Load();
    EXPECT_EQ(config.thresholds.awakeSys, 145);
    config.Save();
    EXPECT_EQ(Stored().GetString("Previous Config", "Current Config", ""), "family");
    EXPECT_EQ(Stored().GetInt("Configclinic", "Awake Sys Thresh", 0), 150);
}

TEST_F(AppConfigTest, ALanguageChosenDuringTheRunReachesTheFileAtTheNextSave) {
    std::filesystem::create_directories(app.File("Language"));
    test::WriteBytes(app.File("Language/English.lng"), "[Title]\r\nIDS_TITLE_RPT=Report\r\n");
    test::WriteBytes(app.File("Language/Spanish.lng"), "[Title]\r\nIDS_TITLE_RPT=Informe\r\n");
    config.Load();
    StartLanguage(languages);
    EXPECT_EQ(config.language, "English");

    ChangeLanguage(languages, "Spanish");
    // Something in the run stores the old name again, as the link dialog's save would.
    Store("Previous Config", "Language", "English");
    config.Save();
    EXPECT_EQ(Stored().GetString("Previous Config", "Language", ""), "Spanish");
    EXPECT_EQ(config.language, "Spanish");
}

TEST_F(AppConfigTest, WithoutCnfStartASaveKeepsTheStoredLanguage) {
    Store("Previous Config", "Language", "German");
    config.Load();
    ASSERT_TRUE(config.Save());
    EXPECT_EQ(Stored().GetString("Previous Config", "Language", ""), "German");
    EXPECT_FALSE(std::filesystem::exists(app.File("Cnf.start")));
}

TEST_F(AppConfigTest, ResetRestoresThresholdsFolderAndReportPagesButNotTheLimits) {
    config.Load();
    config.useDefaultPath = 0;
    config.caseFolder = "/elsewhere";
    config.thresholds = {160, 100, 130, 85, 33, 44, 22, 11};
    config.reports.current.title = "Cardiology";
    config.reports.current.pages.fill(0);
    config.ResetDefaults();
    EXPECT_EQ(config.useDefaultPath, 1);
    EXPECT_EQ(config.caseFolder, userCases);
    const ThresholdSettings& t = config.thresholds;
    EXPECT_EQ(std::vector<int>({t.awakeSys, t.awakeDia, t.asleepSys, t.asleepDia, t.dayLoad,
                                t.nightLoad, t.highFall, t.lowFall}),
              std::vector<int>({140, 90, 120, 80, 33, 44, 22, 11}));
    EXPECT_EQ(config.reports.current, ReportLayout::Defaults());
}

TEST_F(AppConfigTest, CasesKeptBesideTheProgramStayTheDefaultFolder) {
    std::filesystem::create_directory(app.File("data"));
    config.Load();
    EXPECT_EQ(config.DefaultCaseFolder(), app.File("data"));
    EXPECT_EQ(config.caseFolder, app.File("data"));
    config.caseFolder = "/elsewhere";
    config.ResetDefaults();
    EXPECT_EQ(config.caseFolder, app.File("data"));
}

TEST_F(AppConfigTest, OnlyARunWithoutAnySettingsFileIsAFirstStart) {
    config.Load();
    EXPECT_TRUE(config.IsFirstStart());
    // Reading again still finds nothing; an unchanged session writes nothing either.
    config.Load();
    ASSERT_TRUE(config.SaveIfChanged());
    EXPECT_TRUE(config.IsFirstStart());
    ASSERT_TRUE(config.SaveOrTell());
    EXPECT_FALSE(config.IsFirstStart());

    LanguageTable otherLanguages;
    AppConfigHeron next(otherLanguages);
    next.SetApplicationDirectory(app.path());
    next.Load();
    EXPECT_FALSE(next.IsFirstStart());

    // The user's own file counts as much as the program folder's.
    TempFolder otherProgram;
    std::filesystem::create_directories(userSettings.File("Vitalis"));
    test::WriteBytes(userFile, "[Configfamily]\r\nAwake Time=20\r\n");
    next.SetApplicationDirectory(otherProgram.path());
    next.Load();
    EXPECT_FALSE(next.IsFirstStart());
    // A file that is there but cannot be read is no first start: the user chose before.
    std::filesystem::remove(userFile);
    test::WriteBytes(otherProgram.File("VurConfig.ini"), "");
    std::filesystem::resize_file(otherProgram.File("VurConfig.ini"), kMaxProfileFileBytes + 1);
    next.Load();
    EXPECT_TRUE(next.readFailed());
    EXPECT_FALSE(next.IsFirstStart());
}

TEST_F(AppConfigTest, ASaveThatFailsIsTold) {
    HeardMessages messages;
    config.SetMessageSink(messages);
    config.Load();
    // The settings file's place is taken by a folder, so nothing can be written there.
    std::filesystem::create_directory(app.File("VurConfig.ini"));
    EXPECT_FALSE(config.SaveOrTell());
    EXPECT_TRUE(config.IsFirstStart());
    ASSERT_EQ(messages.heard.size(), 1u);
    EXPECT_NE(messages.heard[0].find(app.File("VurConfig.ini")), std::string::npos);
}

TEST(ProgramFolder, IsTheFolderOfThisTestProgram) {
    EXPECT_TRUE(std::filesystem::equivalent(RunningProgramFolder(), VITALIS_BIN_DIR));
}

}  // namespace
}  // namespace vitalis
