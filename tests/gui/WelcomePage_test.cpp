// The welcome page of the empty window: its buttons run the window's own commands, it is
// reached by keyboard, and it gives way to the case while one is open.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

#include <filesystem>

#include "case/gui/CaseOpenDialog.h"
#include "shell/AppConfig.h"
#include "shell/CommandTable.h"
#include "shell/LanguageChoice.h"
#include "shell/gui/CMainFrameHeron.h"
#include "shell/gui/CTensioDoc.h"
#include "shell/gui/WelcomePage.h"
#include "shell/gui/Workstation.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"
#include "views/CTensioView.h"

namespace vitalis {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

void PressKey(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

class WelcomePageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.AddShippedLanguages();
        fs::create_directories(folder.File("data"));
        config.SetApplicationDirectory(folder.path());
        station.Start({});
        // What the window's commands would do is not under test here: note them instead.
        QObject::disconnect(&station.frame(), &CMainFrameHeron::commandTriggered, &station,
                            &Workstation::Run);
        QObject::connect(&station.frame(), &CMainFrameHeron::commandTriggered,
                         [this](int id) { ran.push_back(id); });
    }
    QWidget* Shown() {
        return static_cast<QStackedWidget*>(station.frame().centralWidget())->currentWidget();
    }
    QPushButton* Button(int id) { return station.welcome().button(id); }

    TempFolder folder;
    LanguageTable languages;
    AppConfigHeron config{languages};
    std::vector<QString> told;
    Workstation station{config,
                        {[this](QWidget*, const QString& t) { told.push_back(t); },
                         [](QWidget*, const QString&) { return true; }}};
    std::vector<int> ran;
};

TEST_F(WelcomePageTest, EachButtonRunsItsCommandAsTheMenuDoes) {
    ASSERT_EQ(Shown(), &station.welcome());
    Button(command::kDownload)->click();
    Button(command::kUpload)->click();
    Button(command::kOpenCase)->click();
    EXPECT_EQ(ran, (std::vector<int>{command::kDownload, command::kUpload, command::kOpenCase}));
    EXPECT_EQ(Button(command::kDownload)->text(), QStringLiteral("Download from the monitor"));
    EXPECT_EQ(Button(command::kUpload)->text(), QStringLiteral("Program the monitor"));
    EXPECT_EQ(Button(command::kOpenCase)->text(), QStringLiteral("Open a case"));
    EXPECT_EQ(
        station.welcome().folderLine()->text(),
        QStringLiteral("Case files are kept in ") + QString::fromStdString(folder.File("data")));

    // A command the window cannot run now is not offered either.
    station.frame().SetUnavailable(command::kUpload, QStringLiteral("not here"));
    EXPECT_FALSE(Button(command::kUpload)->isEnabled());
    Button(command::kUpload)->click();
    EXPECT_EQ(ran.size(), 3u);
}

TEST_F(WelcomePageTest, TabAndReturnReachEveryButton) {
    station.frame().show();
    station.frame().activateWindow();
    QApplication::processEvents();
    station.welcome().setFocus();
    ASSERT_EQ(QApplication::focusWidget(), Button(command::kDownload));
    PressKey(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Button(command::kUpload));
    PressKey(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Button(command::kOpenCase));
    PressKey(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(ran, std::vector<int>{command::kOpenCase});
    station.frame().hide();
}

TEST_F(WelcomePageTest, GivesWayToAnOpenCaseAndComesBackWhenItCloses) {
    const std::string path = folder.File("data/2603010800.awp");
    test::WriteSampleCase(path, {2026, 3, 1, 8, 0}, 48);
    ASSERT_TRUE(station.OpenCase(QString::fromStdString(path)));
    EXPECT_EQ(Shown(), &station.view());
    station.doc().CloseCase();
    EXPECT_EQ(Shown(), &station.welcome());
    // A file that is no case leaves the window empty, and the welcome page stays.
    test::WriteBytes(folder.File("data/junk.awp"), "junk");
    EXPECT_FALSE(station.OpenCase(QString::fromStdString(folder.File("data/junk.awp"))));
    EXPECT_EQ(Shown(), &station.welcome());
}

TEST_F(WelcomePageTest, FollowsTheLanguage) {
    ChangeLanguage(languages, "German");
    station.Relabel();
    EXPECT_EQ(Button(command::kOpenCase)->text(), QStringLiteral("Fall öffnen"));
    EXPECT_TRUE(station.welcome().folderLine()->text().startsWith(
        QStringLiteral("Die Falldateien liegen in ")));
}

// The real command behind the page's Open button: the open dialog of the case folder.
TEST(WelcomePageOpen, OpenACaseShowsTheOpenDialogOfTheCaseFolder) {
    TempFolder folder;
    folder.AddShippedLanguages();
    fs::create_directories(folder.File("data"));
    LanguageTable languages;
    AppConfigHeron config(languages);
    config.SetApplicationDirectory(folder.path());
    Workstation station(
        config, {[](QWidget*, const QString&) {}, [](QWidget*, const QString&) { return true; }});
    station.Start({});
    QString dialogFolder;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CaseOpenDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        dialogFolder = dialog->folder();
        dialog->reject();
    });
    QTimer::singleShot(5000, [] {
        if (QWidget* left = QApplication::activeModalWidget()) left->close();
    });
    station.welcome().button(command::kOpenCase)->click();
    EXPECT_EQ(dialogFolder, QString::fromStdString(folder.File("data")));
}

}  // namespace
}  // namespace vitalis
