#include <gtest/gtest.h>
#include <QAction>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include "case/CaseEditor.h"
#include "case/gui/MeasurementEditorDialog.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using test::TempFolder;

class EditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::WriteSampleCase(path, {2026, 3, 1, 8, 0}, 40);
        recording.casePath = path;
        ASSERT_TRUE(recording.Load());
    }
    UserMessages Recorded() {
        return {[this](QWidget*, const QString& text) { told.push_back(text); },
                [](QWidget*, const QString&) { return true; }};
    }
    TempFolder folder;
    std::string path = folder.File("2603010800.awp");
    Recording recording;
    test::KeyTexts texts;
    std::vector<QString> told;
};

TEST_F(EditorTest, MarksFollowTheRulesAndOkAppliesThem) {
    MeasurementEditorDialog dialog(recording, texts, Recorded(),
                                   [](QWidget*) { return QString(); });
    QTreeWidget* list = dialog.list();
    ASSERT_EQ(list->topLevelItemCount(), 40);
    EXPECT_EQ(list->headerItem()->text(0), QStringLiteral("*=3/40(7.5%)"));
    EXPECT_EQ(list->topLevelItem(5)->text(0), QStringLiteral("*"));  // a failed reading
    dialog.ClickMark(5);
    EXPECT_EQ(list->topLevelItem(5)->text(0), QStringLiteral("*"));  // cannot be taken in
    dialog.ClickMark(0);
    EXPECT_EQ(list->headerItem()->text(0), QStringLiteral("*=4/40(10.0%)"));
    list->topLevelItem(1)->setText(9, QStringLiteral("talking"));
    list->topLevelItem(1)->setText(2, QStringLiteral("99:99"));  // not editable: restored
    EXPECT_EQ(list->topLevelItem(1)->text(2), QStringLiteral("08:15"));
    EXPECT_EQ(recording.allMeasurements()[0].valid, 1);  // nothing changes before OK
    dialog.accept();
    // OK hands the marks over; the case editor takes them in as one undoable step.
    CaseEditor editor(recording);
    editor.Begin(*ReadPatientSheet(path));
    ASSERT_TRUE(editor.SetReadingMarks(dialog.marks()));
    EXPECT_EQ(recording.allMeasurements()[0].valid, 0);
    EXPECT_EQ(recording.allMeasurements()[1].remark, "talking");
    EXPECT_EQ(recording.validMeasurements().size(), 36u);
    ASSERT_TRUE(editor.Undo());
    EXPECT_EQ(recording.allMeasurements()[0].valid, 1);
    EXPECT_EQ(recording.allMeasurements()[1].remark, "");
}

TEST_F(EditorTest, SpaceExcludesTheCurrentRowAndAFailedSaveKeepsTheEdits) {
    MeasurementEditorDialog dialog(recording, texts, Recorded(),
                                   [](QWidget*) { return QString(); });
    EXPECT_EQ(dialog.saveButton(), nullptr);
    int saves = 0;
    bool saveSucceeds = false;
    dialog.SetSaving([&](const std::vector<ReadingMark>& marks, QWidget*) {
        ++saves;
        EXPECT_TRUE(marks[3].excluded);
        return saveSucceeds;
    });
    ASSERT_NE(dialog.saveButton(), nullptr);
    dialog.show();
    dialog.list()->setFocus();
    dialog.list()->setCurrentItem(dialog.list()->topLevelItem(3));
    EXPECT_EQ(dialog.toggleAction()->shortcut(), QKeySequence(Qt::Key_Space));
    dialog.toggleAction()->trigger();
    EXPECT_EQ(dialog.list()->topLevelItem(3)->text(0), QStringLiteral("*"));
    EXPECT_EQ(recording.allMeasurements()[3].valid, 1);  // only the list has it so far
    dialog.saveButton()->click();
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(dialog.isVisible());  // the save failed: the window and its edits stay
    EXPECT_TRUE(dialog.marks()[3].excluded);
    saveSucceeds = true;
    dialog.saveButton()->click();
    EXPECT_EQ(saves, 2);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(EditorTest, CancelDropsTheEditsAndExportReportsTheOutcome) {
    {
        MeasurementEditorDialog dialog(recording, texts, Recorded(), [&](QWidget*) {
            return QString::fromStdString(folder.File("out"));
        });
        dialog.ClickMark(0);
        dialog.ExportCsv();
        dialog.reject();
    }
    EXPECT_EQ(recording.allMeasurements()[0].valid, 1);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told.back(), QStringLiteral("Global Setting:IDS_SAVEFILESUCCESS"));
    EXPECT_FALSE(test::ReadBytes(folder.File("out.CSV")).empty());

    MeasurementEditorDialog failing(recording, texts, Recorded(), [&](QWidget*) {
        return QString::fromStdString(folder.File("no/dir/x"));
    });
    failing.ExportCsv();
    EXPECT_EQ(told.back(), QStringLiteral("Global Setting:IDS_AWPTOFILEERROR"));
}

}  // namespace
}  // namespace vitalis
