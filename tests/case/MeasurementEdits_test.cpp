#include "case/MeasurementEdits.h"

#include <gtest/gtest.h>

#include "case/CsvExport.h"
#include "case/ProfileStore.h"
#include "case/ReadingColumns.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using test::ReadBytes;
using test::TempFolder;

class EditingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::WriteSampleCase(path, {2026, 3, 1, 8, 0}, 40);
        recording.casePath = path;
        ASSERT_TRUE(recording.Load());
    }
    TempFolder folder;
    std::string path = folder.File("2603010800.awp");
    Recording recording;
};

TEST(ReadingColumns, TextsOfAReading) {
    Measurement m;
    m.index = 4, m.mode = 2, m.hour = 7, m.minute = 5, m.day = 3, m.month = 4, m.year = 2026;
    m.sys = 120, m.dia = 80, m.map = 93, m.pr = 61, m.status = 3, m.aux = 1, m.valid = 0;
    m.remark = "after stairs";
    const auto row = MeasurementRowTexts(m);
    EXPECT_EQ(row[0], "*");
    EXPECT_EQ(row[1], "5++");
    EXPECT_EQ(row[2], "07:05");
    EXPECT_EQ(row[3], "03-04-2026");
    EXPECT_EQ(row[4], "120/80");
    EXPECT_EQ(row[7], "40");
    EXPECT_EQ(row[8], "3/1");
    EXPECT_EQ(row[9], "after stairs");
    Measurement failed;
    failed.status = 6;
    const auto failedRow = MeasurementRowTexts(failed);
    EXPECT_EQ(failedRow[4], "---/---");
    EXPECT_EQ(failedRow[5], "---");
    EXPECT_EQ(failedRow[7], "---");
    EXPECT_EQ(ExclusionHeaderText(3, 40), "*=3/40(7.5%)");
    EXPECT_EQ(ExclusionHeaderText(0, 0), "*=0/0(0.0%)");
}

TEST(ReadingColumns, TheListSaysTheFailureInWordsUnderItsLabel) {
    test::KeyTexts texts;
    Measurement failed;
    failed.status = 6, failed.aux = 2;
    EXPECT_EQ(MeasurementListTexts(failed, texts)[kStatusColumn], "Global Setting:IDS_LOOSE_CUFF");
    Measurement leak;
    leak.status = 17;
    EXPECT_EQ(MeasurementListTexts(leak, texts)[kStatusColumn], "Global Setting:IDS_AIR_LEAKAGE");
    Measurement good;
    good.status = 3, good.aux = 1, good.sys = 120, good.dia = 80, good.map = 93;
    const auto cells = MeasurementListTexts(good, texts);
    EXPECT_EQ(cells[kStatusColumn], "");  // a successful reading has no failure to name
    EXPECT_EQ(cells[4], "120/80");        // the other columns as the report has them
    EXPECT_EQ(MeasurementRowTexts(good)[kStatusColumn], "3/1");

    EXPECT_EQ(ExclusionColumnTitle(texts, 3, 40),
              "Dialog Setting:IDS_EXCLUSION_HEADING *=3/40(7.5%)");
    EXPECT_EQ(ExclusionColumnTitle(NoTexts(), 3, 40), "*=3/40(7.5%)");
}

TEST_F(EditingTest, FailedReadingsStayOutPlausibleOnesComeBack) {
    MeasurementEdits edits(recording);
    const int failedRow = 5;  // the fixture's loose-cuff reading
    ASSERT_TRUE(edits.IsExcluded(failedRow));
    EXPECT_FALSE(edits.ToggleExclusion(failedRow));
    EXPECT_TRUE(edits.IsExcluded(failedRow));
    EXPECT_TRUE(edits.ToggleExclusion(0));
    EXPECT_TRUE(edits.IsExcluded(0));
    EXPECT_TRUE(edits.ToggleExclusion(0));
    EXPECT_FALSE(edits.IsExcluded(0));
    EXPECT_EQ(edits.HeaderText(), "*=3/40(7.5%)");  // rows 5, 22 and 39 failed
}

TEST_F(EditingTest, CancelChangesNothingOkAppliesAndSaveKeepsTheRest) {
    const std::string before = ReadBytes(path);
    {
        MeasurementEdits dropped(recording);
        dropped.ToggleExclusion(1);
        dropped.SetRemark(1, "dropped");
    }
    EXPECT_EQ(recording.allMeasurements()[1].valid, 1);
    EXPECT_EQ(recording.allMeasurements()[1].remark, "");

    MeasurementEdits edits(recording);
    edits.ToggleExclusion(1);
    edits.SetRemark(2, "coughing\r\nrepeat later");
    EXPECT_EQ(edits.Apply(recording), 36);
    EXPECT_EQ(recording.allMeasurements()[1].valid, 0);
    EXPECT_EQ(recording.validMeasurements().size(), 36u);
    ASSERT_TRUE(recording.SaveEdits());

    Recording reopened;
    reopened.casePath = path;
    ASSERT_TRUE(reopened.Load());
    EXPECT_EQ(reopened.allMeasurements()[1].valid, 0);
    EXPECT_EQ(reopened.allMeasurements()[2].remark, "coughing\r\nrepeat later");
    EXPECT_NE(ReadBytes(path).find("C3=coughing++repeat later\r\n"), std::string::npos);
    for (size_t i = 0; i < reopened.allMeasurements().size(); ++i) {
        const Measurement& a = recording.allMeasurements()[i];
        const Measurement& b = reopened.allMeasurements()[i];
        EXPECT_EQ(a.sys, b.sys);
        EXPECT_EQ(a.status, b.status);
        EXPECT_EQ(a.Clock(), b.Clock());
    }
    // Taking the reading back in restores the file's reading text exactly.
    MeasurementEdits undo(reopened);
    undo.ToggleExclusion(1);
    undo.SetRemark(2, "");
    undo.Apply(reopened);
    ASSERT_TRUE(reopened.SaveEdits());
    EXPECT_EQ(ProfileStore(path).GetString("TEST 1", "2", ""),
              ProfileStore(path).GetString("TEST 1", "2", "").substr(0, 22) + "0000");
}

TEST_F(EditingTest, CsvExport) {
    EXPECT_EQ(CsvExportPath("/tmp/out"), "/tmp/out.CSV");
    EXPECT_EQ(CsvExportPath("/tmp/out.csv"), "/tmp/out.csv");
    EXPECT_EQ(CsvExportPath("/tmp/out.Csv"), "/tmp/out.Csv");

    recording.editableMeasurements()[0].remark = "said \"ouch\", twice";
    recording.editableMeasurements()[1].remark = "two\r\nlines";
    const std::string out = folder.File("export.csv");
    ASSERT_TRUE(ExportCsv(recording, out, test::KeyTexts()));
    const std::string csv = ReadBytes(out);
    EXPECT_EQ(csv.substr(0, csv.find('\n') + 1), "Dialog Setting:IDS_FILE_HEADING, \n");
    EXPECT_NE(csv.find(",\"said \"\"ouch\"\", twice\"\n"), std::string::npos);
    EXPECT_NE(csv.find(",\"two\r\nlines\"\n"), std::string::npos);
    EXPECT_NE(csv.find("\n6++,09:15,01-03-2026,---,---,---,---,---,6/0,\n"), std::string::npos);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 42);  // heading, 40 readings, one inner

    Recording empty;
    ASSERT_TRUE(ExportCsv(empty, out, NoTexts()));
    EXPECT_EQ(ReadBytes(out), ", \n");
    EXPECT_FALSE(ExportCsv(empty, folder.File("missing/folder/x.csv"), test::KeyTexts()));
}

}  // namespace
}  // namespace vitalis
