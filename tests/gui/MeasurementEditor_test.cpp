#include <gtest/gtest.h>
#include <QAction>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include "case/CaseEditor.h"
#include "case/ResultCodes.h"
#include "case/gui/MeasurementEditorDialog.h"
#include "shell/LanguageTable.h"
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
    EXPECT_EQ(list->headerItem()->text(0),
              QStringLiteral("Dialog Setting:IDS_EXCLUSION_HEADING *=3/40(7.5%)"));
    EXPECT_EQ(list->topLevelItem(5)->text(0), QStringLiteral("*"));  // a failed reading
    dialog.ClickMark(5);
    EXPECT_EQ(list->topLevelItem(5)->text(0), QStringLiteral("*"));  // cannot be taken in
    dialog.ClickMark(0);
    EXPECT_EQ(list->headerItem()->text(0),
              QStringLiteral("Dialog Setting:IDS_EXCLUSION_HEADING *=4/40(10.0%)"));
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

// A long recording whose longest failure text lies far below the first screen.
TEST(MeasurementList, HeadersAndFailureWordsAreWholeInEveryShippedLanguage) {
    TempFolder folder;
    folder.AddShippedLanguages();
    const ClockTime begin{2026, 3, 1, 8, 0};
    std::vector<Measurement> readings = test::SampleReadings(begin, 400);
    for (Measurement& m : readings) {
        if (m.status == 0) continue;
        m.status = 0, m.sys = 120, m.dia = 80, m.map = 93, m.pr = 60, m.valid = 1;
    }
    Measurement& leak = readings[330];  // the only failure
    leak.status = 7, leak.sys = 0, leak.dia = 0, leak.map = 0, leak.pr = 0, leak.valid = 0;
    const std::string path = folder.File("2603010800.awp");
    WriteReadings(path, readings, NoTexts());
    WriteHeader(path, test::SampleHeader(begin));
    Recording recording;
    recording.casePath = path;
    ASSERT_TRUE(recording.Load());

    LanguageTable table(folder.path());
    table.ScanLanguages(table.LanguageFolder());
    for (const char* language : {"English", "Spanish", "German"}) {
        table.SelectLanguageFile(language);
        ASSERT_TRUE(table.LoadLanguage()) << language;
        MeasurementEditorDialog dialog(recording, table, UserMessages{},
                                       [](QWidget*) { return QString(); });
        dialog.show();
        QTreeWidget* list = dialog.list();
        const QString label =
            QString::fromStdString(table.Text(kDialogTexts, "IDS_EXCLUSION_HEADING"));
        const QString title = list->headerItem()->text(0);
        EXPECT_FALSE(label.isEmpty()) << language;
        EXPECT_TRUE(title.startsWith(label + QStringLiteral(" *="))) << language;
        EXPECT_GT(list->columnWidth(0), list->header()->fontMetrics().horizontalAdvance(title))
            << language;
        EXPECT_GE(list->columnWidth(0), list->header()->sectionSizeHint(0)) << language;
        // 0.25 % in "%.1f", as printf writes an exact tie.
        EXPECT_TRUE(title.endsWith(QStringLiteral(" *=1/400(0.2%)"))) << language;
        // A longer count widens the column again.
        for (int row = 0; row < 119; ++row) dialog.ClickMark(row);
        EXPECT_TRUE(list->headerItem()->text(0).endsWith(QStringLiteral("*=120/400(30.0%)")));
        EXPECT_GE(list->columnWidth(0), list->header()->sectionSizeHint(0)) << language;

        // The status column says the failure in words, wide enough for the longest one.
        const QString words = QString::fromStdString(FailureText(7, table));
        EXPECT_FALSE(words.isEmpty()) << language;
        EXPECT_EQ(list->topLevelItem(330)->text(8), words) << language;
        EXPECT_EQ(list->topLevelItem(0)->text(8), QString()) << language;  // a good reading
        EXPECT_GT(list->columnWidth(8), list->fontMetrics().horizontalAdvance(words)) << language;
        EXPECT_GE(list->columnWidth(8), list->header()->sectionSizeHint(8)) << language;
    }
}

}  // namespace
}  // namespace vitalis
