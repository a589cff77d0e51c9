#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <filesystem>

#include "case/ProfileStore.h"
#include "shell/AppConfig.h"
#include "shell/CommandTable.h"
#include "shell/LanguageChoice.h"
#include "shell/gui/CMainFrameHeron.h"
#include "shell/gui/CTensioDoc.h"
#include "shell/gui/StatisticsDialog.h"
#include "shell/gui/Workstation.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"
#include "views/CTensioView.h"

namespace vitalis {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

// An application folder with the shipped languages and nothing else.
class WorkstationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.AddShippedLanguages();
        config.SetApplicationDirectory(folder.path());
    }
    UserMessages Recorded() {
        return {[this](QWidget*, const QString& text) { told.push_back(text); },
                [this](QWidget*, const QString& text) {
                    told.push_back(text);
                    return true;
                }};
    }
    QString ButtonText(Workstation& station, int id) {
        return station.frame().Action(id)->iconText();
    }

    TempFolder folder;
    LanguageTable languages;
    AppConfigHeron config{languages};
    std::vector<QString> told;
};

TEST_F(WorkstationTest, SettingsThatCannotBeWrittenAtExitAreTold) {
    Workstation station(config, Recorded());
    station.Start({});
    told.clear();
    // The settings file's place is taken by a folder, so nothing can be written there.
    fs::create_directory(folder.File("VurConfig.ini"));
    station.Exit();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].contains(QString::fromStdString(folder.File("VurConfig.ini"))))
        << told[0].toStdString();
}

TEST_F(WorkstationTest, StartsInEnglishAndExitWritesSettingsAndRemovesTheHandOff) {
    {
        Workstation station(config, Recorded());
        station.Start({});
        EXPECT_EQ(station.frame().windowTitle(), QStringLiteral("Vitalis"));
        EXPECT_FALSE(ButtonText(station, command::kOpenCase).isEmpty());
        EXPECT_TRUE(station.frame().Action(command::kOpenCase)->isEnabled());
        EXPECT_FALSE(station.frame().Action(command::kStatistics)->isEnabled());
        EXPECT_EQ(ProfileStore(folder.File("Cnf.start")).GetString("START", "Language", ""),
                  "English");
        fs::create_directories(folder.File("TensioStart/sub"));
        test::WriteBytes(folder.File("TensioStart/sub/1.rp"), "page");
        station.Exit();
    }
    EXPECT_FALSE(fs::exists(folder.File("TensioStart")));
    const ProfileStore settings(folder.File("VurConfig.ini"));
    EXPECT_EQ(settings.GetString("Previous Config", "Current Config", ""), "family");
    EXPECT_EQ(settings.GetInt("Configfamily", "Awake Sys Thresh", 0), 140);
    EXPECT_EQ(settings.GetInt("Configfamily", "Asleep Dia Thresh", 0), 80);
    EXPECT_TRUE(told.empty());
}

TEST_F(WorkstationTest, CaseOnTheCommandLineOpensAndEnablesTheCaseCommands) {
    const std::string path = folder.File("data/2603010800.awp");
    fs::create_directories(folder.File("data"));
    test::WriteSampleCase(path, {2026, 3, 1, 8, 0}, 48);
    Workstation station(config, Recorded());
    station.Start({QString::fromStdString(path)});
    EXPECT_TRUE(station.doc().caseOpen());
    EXPECT_TRUE(config.caseOpen);
    EXPECT_TRUE(station.frame().Action(command::kStatistics)->isEnabled());
    EXPECT_EQ(station.doc().recording().analysis.validCount, 45);
    EXPECT_TRUE(station.view().statusText().startsWith(
        QStringLiteral("Patient:   Ada Lovelace   ID:   P-0042")));
    EXPECT_EQ(station.CaseFolder(), QString::fromStdString(folder.File("data")));

    // The view asks for the statistics; the window shows them over the view.
    QWidget* statisticsParent = nullptr;
    QTimer::singleShot(0, [&statisticsParent] {
        auto* dialog = qobject_cast<StatisticsDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        statisticsParent = dialog->parentWidget();
        dialog->reject();
    });
    station.Run(command::kStatistics);
    EXPECT_EQ(statisticsParent, &station.view());

    // Choosing another period moves the range controls to that period's thresholds.
    station.view().periodButton(Period::Asleep)->setChecked(true);
    EXPECT_EQ(station.view().period(), Period::Asleep);
    EXPECT_EQ(station.view().rangeSpin(1)->value(), 120);

    // A file that is no case: the message names it and says why, and the case commands are
    // off again.
    test::WriteBytes(folder.File("data/junk.awp"), "junk");
    EXPECT_FALSE(station.OpenCase(QString::fromStdString(folder.File("data/junk.awp"))));
    EXPECT_FALSE(station.frame().Action(command::kStatistics)->isEnabled());
    ASSERT_FALSE(told.empty());
    EXPECT_EQ(told.back(),
              QStringLiteral("damaged or not a case file: junk.awp (not a case file)"));
}

TEST_F(WorkstationTest, LanguageSwitchRelabelsTheWindow) {
    Workstation station(config, Recorded());
    station.Start({});
    const QString english = ButtonText(station, command::kExit);
    const QString englishMenu = station.frame().Action(command::kCopyCases)->text();
    ChangeLanguage(languages, "German");
    station.Relabel();
    EXPECT_NE(ButtonText(station, command::kExit), english);
    EXPECT_NE(station.frame().Action(command::kCopyCases)->text(), englishMenu);
    EXPECT_EQ(ProfileStore(folder.File("Cnf.start")).GetString("START", "Language", ""), "German");
    station.Exit();
    // The language chosen during the run reaches the settings file at the save.
    EXPECT_EQ(
        ProfileStore(folder.File("VurConfig.ini")).GetString("Previous Config", "Language", ""),
        "German");
}

QString StatusPaneText(Workstation& station) {
    const auto panes = station.frame().statusBar()->findChildren<QLabel*>();
    return panes.isEmpty() ? QString() : panes.front()->text();
}

TEST_F(WorkstationTest, CopySaysWhatItCopied) {
    const std::string path = folder.File("data/2603010800.awp");
    fs::create_directories(folder.File("data"));
    test::WriteSampleCase(path, {2026, 3, 1, 8, 0}, 12);
    Workstation station(config, Recorded());
    station.Start({QString::fromStdString(path)});
    ASSERT_TRUE(station.doc().caseOpen());
    QAction* copy = station.frame().Action(command::kCopy);
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->isEnabled());
    EXPECT_EQ(copy->shortcut(), QKeySequence(QKeySequence::Copy));
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));

    station.Run(command::kCopy);
    EXPECT_EQ(StatusPaneText(station), QStringLiteral("Copied 12 readings"));
    const QStringList lines = QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 14);  // the titles, twelve readings, the end of the last line
    EXPECT_EQ(lines[0], QStringLiteral("*\tNo.\tTime\tDate\tSYS/DIA\tPR\tMAP\tPP\tStatus\tRemark"));
    EXPECT_EQ(lines[1], QStringLiteral("\t1\t08:00\t01-03-2026\t110/65\t55\t80\t45\t\t"));
    EXPECT_TRUE(lines[6].contains(QStringLiteral("\tCuff loose or not connected\t")))
        << lines[6].toStdString();

    // The statistics window copies its table and says so.
    QString said;
    QString copied;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<StatisticsDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        dialog->copyButton()->click();
        said = dialog->copiedLine()->text();
        copied = QGuiApplication::clipboard()->text();
        dialog->reject();
    });
    station.Run(command::kStatistics);
    EXPECT_EQ(said, QStringLiteral("Copied the statistics table"));
    EXPECT_EQ(copied.count(QStringLiteral("\r\n")), 4);  // captions, awake, asleep, all
    EXPECT_TRUE(copied.startsWith(QStringLiteral("\t"))) << copied.toStdString();

    // Without a case there is nothing to copy.
    station.doc().CloseCase();
    EXPECT_FALSE(copy->isEnabled());
    station.Exit();
}

}  // namespace
}  // namespace vitalis
