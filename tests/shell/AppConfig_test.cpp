#include "shell/AppConfig.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "case/ProfileStore.h"
#include "shell/LanguageChoice.h"
#include "shell/ProcessWide.h"
#include "shell/ProgramFolder.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using test::TempFolder;

class AppConfigTest : public ::testing::Test {
  protected:
    TempFolder app;
    LanguageTable languages;
    AppConfigHeron config{languages};

    void SetUp() override { config.SetApplicationDirectory(app.path()); }

    ProfileStore Stored() {
        return ProfileStore(app.File("VurConfig.ini"), ProfileOpen::ExistingOnly);
    }
    void Store(std::string_view section, std::string_view key, std::string_view value) {
        ProfileStore file(app.File("VurConfig.ini"));
        file.WriteString(section, key, value);
    }
};

TEST_F(AppConfigTest, AFirstStartTakesEveryDefaultAndSavesThem) {
    ASSERT_TRUE(config.Load());
    EXPECT_TRUE(std::filesystem::exists(app.File("VurConfig.ini")));
    EXPECT_EQ(config.useBluetooth, 0);
    EXPECT_EQ(config.showSelectDevice, 1);
    EXPECT_EQ(config.language, "English");
    EXPECT_EQ(config.useDefaultPath, 1);
    EXPECT_EQ(config.caseFolder, app.path() + "/data");
    EXPECT_EQ(config.upload.awakeTime, 14);
    EXPECT_EQ(config.upload.awakeSpan, 0);
    EXPECT_EQ(config.upload.asleepTime, 44);
    EXPECT_EQ(config.upload.asleepSpan, 1);
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
    EXPECT_EQ(file.GetInt("Configfamily", "Low CR", 0), 10);
    EXPECT_EQ(file.GetInt("Configfamily", "High CR", 0), 15);
    EXPECT_EQ(file.GetInt("Configfamily", "DayBPLoad", 0), 40);
    EXPECT_EQ(file.GetInt("Configfamily", "NightBPLoad", 0), 50);
    EXPECT_EQ(file.GetString("Configfamily", "Config Name", ""), "family");
    EXPECT_EQ(file.GetString("Configfamily", "Patient File Path", ""), app.path() + "/data");
    const std::vector<std::string> keys = file.KeyNames("Configfamily");
    EXPECT_EQ(keys.size(), 17u);
}

TEST_F(AppConfigTest, ChangedSettingsSurviveASaveAndALoad) {
    config.Load();
    config.useBluetooth = 1;
    config.showSelectDevice = 0;
    config.useDefaultPath = 0;
    config.caseFolder = app.File("cases");
    config.thresholds = {135, 85, 115, 70, 30, 45, 20, 5};
    config.upload = {"Ada Lovelace", "A-17", 12, 3, 40, 5};
    config.Save();

    LanguageTable otherLanguages;
    AppConfigHeron reloaded(otherLanguages);
    reloaded.SetApplicationDirectory(app.path());
    reloaded.Load();
    EXPECT_EQ(reloaded.useBluetooth, 1);
    EXPECT_EQ(reloaded.showSelectDevice, 0);
    EXPECT_EQ(reloaded.caseFolder, app.File("cases"));
    EXPECT_EQ(reloaded.thresholds.awakeSys, 135);
    EXPECT_EQ(reloaded.thresholds.asleepDia, 70);
    EXPECT_EQ(reloaded.thresholds.dayLoad, 30);
    EXPECT_EQ(reloaded.thresholds.lowFall, 5);
    EXPECT_EQ(reloaded.thresholds.highFall, 20);
    EXPECT_EQ(reloaded.upload.patientName, "Ada Lovelace");
    EXPECT_EQ(reloaded.upload.asleepSpan, 5);
}

TEST_F(AppConfigTest, TheDefaultFolderFlagWinsOverAStoredPath) {
    Store("Configfamily", "Use Default Path", "1");
    Store("Configfamily", "Patient File Path", "/somewhere/else");
    config.Load();
    EXPECT_EQ(config.caseFolder, app.path() + "/data");

    Store("Configfamily", "Use Default Path", "0");
    config.Load();
    EXPECT_EQ(config.caseFolder, "/somewhere/else");

    Store("Configfamily", "Patient File Path", "");
    config.Load();
    EXPECT_EQ(config.caseFolder, app.path() + "/data");
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

TEST_F(AppConfigTest, LoadChoosesTheStoredLanguage) {
    std::filesystem::create_directories(app.File("Language"));
    test::WriteBytes(app.File("Language/German.lng"), "[Title]\r\nIDS_TITLE_RPT=Bericht\r\n");
    languages.SetApplicationDirectory(app.path());
    languages.ScanLanguages(languages.LanguageFolder());
    Store("Previous Config", "Language", "german");
    config.Load();
    EXPECT_EQ(config.language, "german");
    EXPECT_EQ(languages.languageFilePath(), app.File("Language/German.lng"));
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

TEST_F(AppConfigTest, ResetRestoresThresholdsFolderAndReportPagesButNotTheLimits) {
    config.Load();
    config.useDefaultPath = 0;
    config.caseFolder = "/elsewhere";
    config.thresholds = {160, 100, 130, 85, 33, 44, 22, 11};
    config.reports.current.title = "Cardiology";
    config.reports.current.pages.fill(0);
    config.ResetDefaults();
    EXPECT_EQ(config.useDefaultPath, 1);
    EXPECT_EQ(config.caseFolder, app.path() + "/data");
    EXPECT_EQ(config.thresholds.awakeSys, 140);
    EXPECT_EQ(config.thresholds.awakeDia, 90);
    EXPECT_EQ(config.thresholds.asleepSys, 120);
    EXPECT_EQ(config.thresholds.asleepDia, 80);
    EXPECT_EQ(config.thresholds.dayLoad, 33);
    EXPECT_EQ(config.thresholds.lowFall, 11);
    EXPECT_EQ(config.reports.current, ReportLayout::Defaults());
}

TEST_F(AppConfigTest, OnlyForeignConfigurationSectionsCanBeDeleted) {
    config.Load();
    config.Save();
    Store("Configclinic", "Awake Sys Thresh", "150");
    EXPECT_FALSE(config.DeleteConfigSection("family"));
    EXPECT_TRUE(Stored().HasKey("Configfamily", "Config Name"));
    EXPECT_TRUE(config.DeleteConfigSection("clinic"));
    EXPECT_FALSE(Stored().HasKey("Configclinic", "Awake Sys Thresh"));
    EXPECT_TRUE(config.SelectConfig("clinic"));
    EXPECT_EQ(config.currentConfig, "family");
}

TEST(ProcessWide, OneLanguageTableAndAnInstallableConfiguration) {
    EXPECT_EQ(&Languages(), &Languages());
    AppConfig& first = Config();
    EXPECT_EQ(&first, &Config());
    EXPECT_EQ(&first.languages(), &Languages());

    TempFolder app;
    auto replacement = std::make_unique<AppConfigHeron>(Languages());
    replacement->SetApplicationDirectory(app.path());
    AppConfig& installed = InstallConfig(std::move(replacement));
    EXPECT_EQ(&installed, &Config());
    EXPECT_EQ(Config().applicationDirectory(), app.path());
}

TEST(ProgramFolder, IsTheFolderOfThisTestProgram) {
    EXPECT_TRUE(std::filesystem::equivalent(RunningProgramFolder(), VITALIS_BIN_DIR));
}

}  // namespace
}  // namespace vitalis
