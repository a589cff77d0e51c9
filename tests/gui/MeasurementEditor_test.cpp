#include <QHeaderView>
#include <QTreeWidget>
#include <gtest/gtest.h>

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
    MeasurementEditorDialog dialog(recording, texts, Recorded(), [](QWidget*) { return QString(); });
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
    EXPECT_EQ(recording.allMeasurements()[0].valid, 0);
    EXPECT_EQ(recording.allMeasurements()[1].remark, "talking");
    EXPECT_EQ(recording.validMeasurements().size(), 36u);
}

TEST_F(EditorTest, CancelDropsTheEditsAndExportReportsTheOutcome) {
    {
        MeasurementEditorDialog dialog(recording, texts, Recorded(),
                                       [&](QWidget*) { return QString::fromStdString(folder.File("out")); });
        dialog.ClickMark(0);
        dialog.ExportCsv();
        dialog.reject();
    }
    EXPECT_EQ(recording.allMeasurements()[0].valid, 1);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told.back(), QStringLiteral("Global Setting:IDS_SAVEFILESUCCESS"));
    EXPECT_FALSE(test::ReadBytes(folder.File("out.CSV")).empty());

    MeasurementEditorDialog failing(recording, texts, Recorded(),
                                    [&](QWidget*) { return QString::fromStdString(folder.File("no/dir/x")); });
    failing.ExportCsv();
    EXPECT_EQ(told.back(), QStringLiteral("Global Setting:IDS_AWPTOFILEERROR"));
}

}  // namespace
}  // namespace vitalis
