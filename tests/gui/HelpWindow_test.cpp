#include <gtest/gtest.h>
#include <QAction>
#include <QTextBrowser>

#include <filesystem>

#include "shell/AppConfig.h"
#include "shell/CommandTable.h"
#include "shell/LanguageChoice.h"
#include "shell/gui/CMainFrameHeron.h"
#include "shell/gui/HelpWindow.h"
#include "shell/gui/Workstation.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

namespace fs = std::filesystem;

class HelpTest : public ::testing::Test {
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
    void WriteGuide(const std::string& name, const std::string& html) {
        fs::create_directories(folder.File("res/Help"));
        test::WriteBytes(folder.File("res/Help/" + name + ".html"), html);
    }
    HelpWindow* OpenHelp(Workstation& station) {
        station.frame().Action(command::kHelp)->trigger();
        return station.frame().findChild<HelpWindow*>(QStringLiteral("helpWindow"));
    }

    test::TempFolder folder;
    LanguageTable languages;
    AppConfigHeron config{languages};
    std::vector<QString> told;
};

TEST_F(HelpTest, TheGuideOpensInAWindowOfTheProgram) {
    WriteGuide("English",
               "<html><body><h1>Taking a recording</h1><p>Wrap the cuff.</p></body></html>");
    Workstation station(config, Recorded());
    station.Start({});
    EXPECT_EQ(station.frame().Action(command::kHelp)->shortcut(),
              QKeySequence(QKeySequence::HelpContents));
    HelpWindow* help = OpenHelp(station);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->browser()->toPlainText().contains(QStringLiteral("Wrap the cuff.")));
    EXPECT_FALSE(help->windowTitle().contains(QLatin1Char('&')));
    EXPECT_TRUE(told.empty());
    // Asking again shows the same window, not a second one.
    EXPECT_EQ(OpenHelp(station), help);
    EXPECT_EQ(station.frame().findChildren<HelpWindow*>().size(), 1);
}

TEST_F(HelpTest, AnotherLanguageWithoutItsOwnGuideGetsTheEnglishOne) {
    WriteGuide("English", "<p>English guide</p>");
    ChangeLanguage(languages, "German");
    Workstation station(config, Recorded());
    station.Start({});
    HelpWindow* help = OpenHelp(station);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->browser()->toPlainText().contains(QStringLiteral("English guide")));
}

TEST_F(HelpTest, AMissingGuideIsToldWithItsPath) {
    Workstation station(config, Recorded());
    station.Start({});
    HelpWindow* help = OpenHelp(station);
    EXPECT_TRUE(help == nullptr || !help->isVisible());
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].contains(QStringLiteral("res/Help/English.html")));
}

}  // namespace
}  // namespace vitalis
