// The first start: the case folder is asked once, and the empty window greets with the three
// commands a day starts with.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

#include <cstdlib>
#include <filesystem>

#include "case/ProfileStore.h"
#include "shell/AppConfig.h"
#include "shell/gui/CMainFrameHeron.h"
#include "shell/gui/CaseFolderDialog.h"
#include "shell/gui/ConfigurationSheet.h"
#include "shell/gui/WelcomePage.h"
#include "shell/gui/Workstation.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

// The default case folder of a program folder without cases: the user's data folder, which
// the widget tests' own main points at a folder of the run.
std::string UserCases() {
    return std::string(std::getenv("XDG_DATA_HOME")) + "/Vitalis/cases";
}

void PressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &press);
}

// A fresh program folder with the shipped languages and no settings anywhere.
class FirstStartTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.AddShippedLanguages();
        fs::remove_all(std::getenv("XDG_DATA_HOME"));
        fs::remove_all(std::getenv("XDG_CONFIG_HOME"));
    }
    UserMessages Recorded() {
        return {[this](QWidget*, const QString& text) { told.push_back(text); },
                [this](QWidget*, const QString& text) {
                    told.push_back(text);
                    return true;
                }};
    }
    // Starts the workstation on the folder and lets it ask; `answer` handles the dialog when
    // one comes. Whatever stays open is closed after a while, so a fault cannot hang the test.
    bool StartAndAsk(const std::function<void(CaseFolderDialog&)>& answer) {
        LanguageTable languages;
        AppConfigHeron config(languages);
        config.SetApplicationDirectory(folder.path());
        Workstation station(config, Recorded());
        station.Start({});
        bool asked = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CaseFolderDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            asked = true;
            answer(*dialog);
        });
        QTimer::singleShot(5000, [] {
            if (QWidget* left = QApplication::activeModalWidget()) left->close();
        });
        station.AskCaseFolderOnFirstStart();
        QApplication::processEvents();
        caseFolder = station.CaseFolder().toStdString();
        welcomeLine = station.welcome().folderLine()->text();
        useDefaultPath = config.useDefaultPath;
        return asked;
    }
    ProfileStore Stored() const { return ProfileStore(folder.File("VurConfig.ini")); }

    TempFolder folder;
    TempFolder elsewhere;
    std::vector<QString> told;
    std::string caseFolder;
    QString welcomeLine;
    int useDefaultPath = -1;
};

TEST_F(FirstStartTest, TheFolderIsAskedOnceStoredAtOnceAndCreated) {
    const std::string chosen = elsewhere.File("clinic cases");
    QString shown;
    ASSERT_TRUE(StartAndAsk([&](CaseFolderDialog& dialog) {
        shown = dialog.folderField()->text();
        dialog.folderField()->setText(QString::fromStdString(chosen));
        PressKey(dialog.folderField(), Qt::Key_Return);  // OK is the default button
    }));
    EXPECT_EQ(shown, QString::fromStdString(UserCases()));
    EXPECT_EQ(caseFolder, chosen);
    EXPECT_TRUE(fs::is_directory(chosen));
    EXPECT_NE(welcomeLine.indexOf(QString::fromStdString(chosen)), -1) << welcomeLine.toStdString();
    // Saved at once, before the run ends.
    EXPECT_EQ(Stored().GetInt("Configfamily", "Use Default Path", -1), 0);
    EXPECT_EQ(Stored().GetString("Configfamily", "Patient File Path", ""), chosen);
    EXPECT_TRUE(told.empty());

    EXPECT_FALSE(StartAndAsk([](CaseFolderDialog& dialog) { dialog.reject(); }));
    EXPECT_EQ(caseFolder, chosen);
}

TEST_F(FirstStartTest, AFolderThatCannotHoldCasesIsRefusedAndTheDialogStays) {
    test::WriteBytes(elsewhere.File("plain"), "a file, no folder");
    const std::string refused = elsewhere.File("plain/cases");
    bool stayed = false;
    ASSERT_TRUE(StartAndAsk([&](CaseFolderDialog& dialog) {
        dialog.folderField()->setText(QString::fromStdString(refused));
        dialog.okButton()->click();
        stayed = dialog.isVisible() && dialog.result() != QDialog::Accepted;
        dialog.folderField()->setText(QStringLiteral("relative/cases"));
        dialog.okButton()->click();
        dialog.folderField()->setText(QString::fromStdString(elsewhere.File("good")));
        dialog.okButton()->click();
    }));
    EXPECT_TRUE(stayed);
    ASSERT_EQ(told.size(), 2u);
    EXPECT_TRUE(told[0].startsWith(QStringLiteral("The folder ") + QString::fromStdString(refused) +
                                   QStringLiteral(" cannot take case files (")))
        << told[0].toStdString();
    EXPECT_NE(told[1].indexOf(QStringLiteral("not a full path")), -1) << told[1].toStdString();
    EXPECT_EQ(caseFolder, elsewhere.File("good"));
    EXPECT_FALSE(fs::exists(folder.File("relative")));
}

TEST_F(FirstStartTest, CancelKeepsTheDefaultAndStillCountsAsAsked) {
    ASSERT_TRUE(StartAndAsk([](CaseFolderDialog& dialog) { PressKey(&dialog, Qt::Key_Escape); }));
    EXPECT_EQ(caseFolder, UserCases());
    EXPECT_EQ(useDefaultPath, 1);
    EXPECT_EQ(Stored().GetInt("Configfamily", "Use Default Path", -1), 1);
    // Made when the first case file is written, not before.
    EXPECT_FALSE(fs::exists(UserCases()));
    EXPECT_FALSE(StartAndAsk([](CaseFolderDialog& dialog) { dialog.reject(); }));
    EXPECT_EQ(caseFolder, UserCases());
}

TEST_F(FirstStartTest, CasesKeptBesideTheProgramAreOfferedAsTheDefault) {
    fs::create_directory(folder.File("data"));
    QString shown;
    ASSERT_TRUE(StartAndAsk([&](CaseFolderDialog& dialog) {
        shown = dialog.folderField()->text();
        dialog.accept();
    }));
    EXPECT_EQ(shown, QString::fromStdString(folder.File("data")));
    EXPECT_EQ(useDefaultPath, 1);
    EXPECT_EQ(caseFolder, folder.File("data"));
}

TEST_F(FirstStartTest, TheSettingsPageOffersTheSameDefaultFolder) {
    ASSERT_TRUE(StartAndAsk([](CaseFolderDialog& dialog) { dialog.accept(); }));
    LanguageTable languages;
    AppConfigHeron config(languages);
    config.SetApplicationDirectory(folder.path());
    config.Load();
    const test::KeyTexts texts;
    ConfigurationSheet sheet(config, texts, Recorded());
    EXPECT_TRUE(sheet.defaultFolderBox()->isChecked());
    EXPECT_EQ(sheet.folderField()->text(), QString::fromStdString(UserCases()));
    sheet.defaultFolderBox()->setChecked(false);
    sheet.folderField()->setText(QStringLiteral("/somewhere"));
    sheet.defaultFolderBox()->setChecked(true);
    EXPECT_EQ(sheet.folderField()->text(), QString::fromStdString(UserCases()));
}

TEST(CaseFolderDialog, BrowsesFromTheFolderShownAndKeepsItWhenNothingIsChosen) {
    const TempFolder root;
    std::vector<QString> told;
    LanguageTable languages;
    CaseFolderDialog dialog(languages, QString::fromStdString(root.path()),
                            {[&](QWidget*, const QString& t) { told.push_back(t); },
                             [](QWidget*, const QString&) { return true; }});
    QString startedAt;
    QString answer = QString::fromStdString(root.File("picked"));
    dialog.SetFolderChooser([&](QWidget*, const QString& start) {
        startedAt = start;
        return answer;
    });
    dialog.browseButton()->click();
    EXPECT_EQ(startedAt, QString::fromStdString(root.path()));
    EXPECT_EQ(dialog.folder(), QString::fromStdString(root.File("picked")));
    answer.clear();
    dialog.browseButton()->click();
    EXPECT_EQ(dialog.folder(), QString::fromStdString(root.File("picked")));
    // Return means OK wherever the focus is; Browse is reached with Tab and Space.
    EXPECT_TRUE(dialog.okButton()->isDefault());
    EXPECT_FALSE(dialog.browseButton()->autoDefault());
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(told.empty());
}

}  // namespace
}  // namespace vitalis
