#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>

#include <filesystem>

#include "case/CaseHistory.h"
#include "case/ProfileStore.h"
#include "case/gui/MeasurementEditorDialog.h"
#include "shell/AppConfig.h"
#include "shell/CommandTable.h"
#include "shell/gui/CMainFrameHeron.h"
#include "shell/gui/CTensioDoc.h"
#include "shell/gui/Workstation.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

namespace fs = std::filesystem;

// A workstation with one case open and one excluded reading not yet saved; the questions it
// asks are answered from a list and recorded.
class CaseClosingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.AddShippedLanguages();
        config.SetApplicationDirectory(folder.path());
        fs::create_directories(folder.File("data"));
        test::WriteSampleCase(first, {2026, 3, 1, 8, 0}, 40);
        test::WriteSampleCase(second, {2026, 3, 2, 8, 0}, 30);
        station.SetChoice([this](QWidget*, const QString& text, const QStringList& buttons) {
            asked.push_back(text);
            EXPECT_EQ(buttons.size(), 3);
            if (answers.empty()) return -1;
            const int answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        });
        station.Start({QString::fromStdString(first)});
        ASSERT_TRUE(station.doc().caseOpen());
        before = test::ReadBytes(first);
        ASSERT_TRUE(station.doc().ToggleExclusion(2));
    }
    bool CloseWindow() {
        QCloseEvent close;
        QCoreApplication::sendEvent(&station.frame(), &close);
        return close.isAccepted();
    }
    test::TempFolder folder;
    LanguageTable languages;
    AppConfigHeron config{languages};
    std::vector<QString> told;
    Workstation station{config,
                        {[this](QWidget*, const QString& t) { told.push_back(t); },
                         [](QWidget*, const QString&) { return true; }}};
    std::string first = folder.File("data/2603010800.awp");
    std::string second = folder.File("data/2603020800.awp");
    std::string before;
    std::vector<QString> asked;
    std::vector<int> answers;  // 0 Save / Retry, 1 Discard / Save As, 2 Cancel
};

TEST_F(CaseClosingTest, CancelKeepsTheCaseAndItsChanges) {
    answers = {2};
    EXPECT_FALSE(station.OpenCase(QString::fromStdString(second)));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(asked[0].contains(QStringLiteral("excluded reading 3"))) << asked[0].toStdString();
    EXPECT_EQ(station.doc().casePath(), QString::fromStdString(first));
    EXPECT_TRUE(station.doc().HasUnsavedChanges());
    answers = {2};
    EXPECT_FALSE(CloseWindow());
    EXPECT_EQ(test::ReadBytes(first), before);
}

TEST_F(CaseClosingTest, DiscardWritesNothingSaveWritesOnce) {
    answers = {1};
    ASSERT_TRUE(station.OpenCase(QString::fromStdString(second)));
    EXPECT_EQ(test::ReadBytes(first), before);  // nothing behind the clinician's back
    EXPECT_EQ(station.doc().recording().allMeasurements().size(), 30u);

    ASSERT_TRUE(station.doc().ToggleExclusion(0));
    EXPECT_TRUE(station.frame().Action(editcommand::kSave)->isEnabled());
    answers = {0};
    EXPECT_TRUE(CloseWindow());
    EXPECT_EQ(ReadHistory(second).size(), 1u);
    station.Exit();  // exit saves nothing more
    EXPECT_EQ(ReadHistory(second).size(), 1u);
    EXPECT_TRUE(told.empty());
}

TEST_F(CaseClosingTest, AFailedSaveIsToldAndOffersRetry) {
    // The case file has gone (a removed stick, a moved folder): the save must fail.
    fs::rename(first, folder.File("away.awp"));
    answers = {0, 0, 2};  // Save, Retry, then Cancel
    EXPECT_FALSE(CloseWindow());
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_TRUE(asked[1].contains(QString::fromStdString(first))) << asked[1].toStdString();
    EXPECT_EQ(asked[1], asked[2]);
    EXPECT_TRUE(station.doc().HasUnsavedChanges());
    EXPECT_FALSE(fs::exists(first));  // not made up again

    fs::rename(folder.File("away.awp"), first);
    EXPECT_TRUE(station.SaveCase(&station.frame()));
    EXPECT_EQ(ReadHistory(first).size(), 1u);
    EXPECT_FALSE(station.doc().HasUnsavedChanges());
}

TEST_F(CaseClosingTest, AFailedSaveFromTheReadingsEditorIsToldAndTheEditorKeepsItsEdits) {
    fs::rename(first, folder.File("away.awp"));
    answers = {2};  // Cancel at the failed save's question
    bool stayed = false;
    bool kept = false;
    QTimer::singleShot(0, [&] {
        auto* editor = qobject_cast<MeasurementEditorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(editor, nullptr);
        ASSERT_NE(editor->saveButton(), nullptr);
        editor->list()->setCurrentItem(editor->list()->topLevelItem(4));
        editor->toggleAction()->trigger();
        editor->saveButton()->click();
        stayed = editor->isVisible();
        kept = editor->marks()[4].excluded;
        editor->reject();
    });
    station.Run(command::kEditReadings);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(asked[0].contains(QString::fromStdString(first))) << asked[0].toStdString();
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(kept);
    EXPECT_FALSE(fs::exists(first));                                     // not made up again
    EXPECT_EQ(station.doc().recording().allMeasurements()[4].valid, 1);  // the editor was left
    EXPECT_EQ(station.doc().recording().allMeasurements()[2].valid, 0);  // the earlier edit stays
}

TEST_F(CaseClosingTest, SaveAsContinuesInACopyAndLeavesTheOriginal) {
    const std::string copy = folder.File("data/copy.awp");
    fs::rename(first, folder.File("away.awp"));
    station.SetSaveAsPath([&](QWidget*) {
        fs::rename(folder.File("away.awp"), first);  // readable again, still not saved
        return QString::fromStdString(copy);
    });
    answers = {1};
    ASSERT_TRUE(station.SaveCase(&station.frame()));
    EXPECT_EQ(station.doc().casePath(), QString::fromStdString(copy));
    EXPECT_EQ(test::ReadBytes(first), before);
    EXPECT_EQ(ReadHistory(copy), std::vector<std::string>{ReadHistory(copy).front()});
    EXPECT_TRUE(ReadHistory(copy).front().ends_with("excluded reading 3"));
    EXPECT_FALSE(station.doc().HasUnsavedChanges());
}

TEST_F(CaseClosingTest, AFailedOpenLeavesNoPatientInTheStatusBar) {
    answers = {1};
    test::WriteBytes(folder.File("data/broken.awp"), "[PATIENT DATA]\r\nName=Other\r\n");
    const auto* pane = station.frame().findChild<QLabel*>(QStringLiteral("statusPane0"));
    ASSERT_NE(pane, nullptr);
    EXPECT_TRUE(pane->text().contains(QStringLiteral("Patient:")));
    EXPECT_FALSE(station.OpenCase(QString::fromStdString(folder.File("data/broken.awp"))));
    EXPECT_FALSE(pane->text().contains(QStringLiteral("Patient:"))) << pane->text().toStdString();
}

}  // namespace
}  // namespace vitalis
