#include "case/CaseEditor.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "case/CaseHistory.h"
#include "case/FileAccess.h"
#include "case/ProfileStore.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using test::ReadBytes;

const HistoryStamp kStamp{{{2026, 12, 7, 8, 30}, 5}, "clinician"};

class CaseEditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::WriteSampleCase(path, {2026, 3, 1, 8, 0}, 40);
        recording.casePath = path;
        ASSERT_TRUE(recording.Load());
        const auto sheet = ReadPatientSheet(path);
        ASSERT_TRUE(sheet);
        editor.Begin(*sheet);
    }
    Recording Reopened() const {
        Recording r;
        r.casePath = path;
        EXPECT_TRUE(r.Load());
        return r;
    }
    test::TempFolder folder;
    std::string path = folder.File("2603010800.awp");
    Recording recording;
    CaseEditor editor{recording};
};

TEST_F(CaseEditorTest, EveryKindOfChangeIsUndoneAndRedoneInOrder) {
    const int awake = recording.awakeStart, asleep = recording.asleepStart;
    const size_t counted = recording.validMeasurements().size();
    PatientSheet sheet = editor.sheet();
    sheet.patient.name = "Jürgen Example";

    ASSERT_TRUE(editor.ToggleExclusion(11));
    ASSERT_TRUE(editor.SetRemark(11, "cuff slipped"));
    ASSERT_TRUE(editor.SetPatientSheet(sheet));
    ASSERT_TRUE(editor.SetSleepPeriod(13, 45));
    EXPECT_EQ(recording.allMeasurements()[11].valid, 0);
    EXPECT_EQ(recording.validMeasurements().size(), counted - 1);
    EXPECT_EQ(recording.patient.name, "Jürgen Example");
    EXPECT_EQ(recording.awakeStart, 13 * 30);
    EXPECT_EQ(recording.asleepStart, 45 * 30);
    EXPECT_TRUE(editor.HasUnsavedChanges());

    ASSERT_TRUE(editor.Undo());  // sleep period
    EXPECT_EQ(recording.awakeStart, awake);
    EXPECT_EQ(recording.asleepStart, asleep);
    ASSERT_TRUE(editor.Undo());  // patient sheet
    EXPECT_NE(recording.patient.name, "Jürgen Example");
    EXPECT_EQ(editor.sheet(), *ReadPatientSheet(path));
    ASSERT_TRUE(editor.Undo());  // remark
    EXPECT_EQ(recording.allMeasurements()[11].remark, "");
    EXPECT_EQ(recording.allMeasurements()[11].valid, 0);
    ASSERT_TRUE(editor.Undo());  // exclusion
    EXPECT_EQ(recording.allMeasurements()[11].valid, 1);
    EXPECT_EQ(recording.validMeasurements().size(), counted);
    EXPECT_FALSE(editor.Undo());
    EXPECT_FALSE(editor.HasUnsavedChanges());

    ASSERT_TRUE(editor.Redo());
    ASSERT_TRUE(editor.Redo());
    EXPECT_EQ(recording.allMeasurements()[11].remark, "cuff slipped");
    // A new change after undoing drops what could have been redone.
    ASSERT_TRUE(editor.SetRemark(3, "moved"));
    EXPECT_FALSE(editor.CanRedo());
    EXPECT_FALSE(editor.Redo());
}

TEST_F(CaseEditorTest, NothingThatChangesNothingIsRecorded) {
    EXPECT_FALSE(editor.ToggleExclusion(5));  // failed reading: stays out
    EXPECT_EQ(recording.allMeasurements()[5].valid, 0);
    EXPECT_FALSE(editor.ToggleExclusion(40));
    EXPECT_FALSE(editor.ToggleExclusion(-1));
    EXPECT_FALSE(editor.SetRemark(2, recording.allMeasurements()[2].remark));
    EXPECT_FALSE(editor.SetPatientSheet(editor.sheet()));
    EXPECT_FALSE(editor.SetSleepPeriod(recording.awakeStart / 30, recording.asleepStart / 30));
    EXPECT_FALSE(editor.CanUndo());
    // Marks of a list: a failed reading cannot be counted, unchanged rows make no change.
    std::vector<ReadingMark> marks;
    for (const Measurement& m : recording.allMeasurements()) marks.push_back({false, m.remark});
    marks[1].remark = "late";
    ASSERT_TRUE(editor.SetReadingMarks(marks));
    EXPECT_EQ(recording.allMeasurements()[5].valid, 0);
    EXPECT_EQ(editor.UnsavedChanges(), std::vector<std::string>{"remark 2: late"});
    ASSERT_TRUE(editor.Undo());
    EXPECT_FALSE(editor.HasUnsavedChanges());
    // Out of range entries are held to the day.
    ASSERT_TRUE(editor.SetSleepPeriod(-3, 99));
    EXPECT_EQ(recording.awakeStart, 0);
    EXPECT_EQ(recording.asleepStart, 47 * 30);
    editor.End();
    EXPECT_FALSE(editor.ToggleExclusion(1));
    EXPECT_FALSE(editor.HasUnsavedChanges());
}

TEST_F(CaseEditorTest, SaveWritesTheChangesAndOneHistoryLineEach) {
    const std::string untouched = ProfileStore(path).GetString("TEST 1", "7", "");
    ASSERT_TRUE(editor.ToggleExclusion(11));
    ASSERT_TRUE(editor.SetRemark(11, "two\r\nlines"));
    ASSERT_TRUE(editor.SetSleepPeriod(13, 45));
    ASSERT_TRUE(editor.Save(kStamp));
    EXPECT_FALSE(editor.HasUnsavedChanges());

    const std::string bytes = ReadBytes(path);
    EXPECT_NE(bytes.find("[HISTORY]\r\n"
                         "1=2026-12-07 08:30:05  clinician  excluded reading 12\r\n"
                         "2=2026-12-07 08:30:05  clinician  remark 12: two++lines\r\n"
                         "3=2026-12-07 08:30:05  clinician  asleep 22:30\xE2\x80\x93"
                         "06:30\r\n"),
              std::string::npos)
        << bytes;
    const Recording reopened = Reopened();
    EXPECT_EQ(reopened.allMeasurements()[11].valid, 0);
    EXPECT_EQ(reopened.allMeasurements()[11].remark, "two\r\nlines");
    EXPECT_EQ(reopened.awakeStart, 13 * 30);
    EXPECT_EQ(reopened.asleepStart, 45 * 30);
    // A reading nobody touched keeps its text.
    EXPECT_EQ(ProfileStore(path).GetString("TEST 1", "7", ""), untouched);

    // Undoing a saved change is a change of its own; the next lines follow the last ones.
    ASSERT_TRUE(editor.Undo());
    ASSERT_TRUE(editor.Save(kStamp));
    EXPECT_EQ(ReadHistory(path).size(), 4u);
    EXPECT_EQ(ReadHistory(path).back(),
              "2026-12-07 08:30:05  clinician  asleep " + ClockOfEntry(recording.asleepStart / 30) +
                  "\xE2\x80\x93" + ClockOfEntry(recording.awakeStart / 30));
    EXPECT_EQ(Reopened().awakeStart, recording.awakeStart);
    // Saving with nothing changed writes nothing.
    const std::string before = ReadBytes(path);
    ASSERT_TRUE(editor.Save(kStamp));
    EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(CaseEditorTest, PatientSheetIsSavedInTheSameWrite) {
    PatientSheet sheet = editor.sheet();
    sheet.patient.name = "A. Patient";
    sheet.referringPhysician = "Dr. B";
    ASSERT_TRUE(editor.SetPatientSheet(sheet));
    ASSERT_TRUE(editor.ToggleExclusion(0));
    ASSERT_TRUE(editor.Save(kStamp));
    EXPECT_EQ(*ReadPatientSheet(path), sheet);
    EXPECT_EQ(Reopened().patient.name, "A. Patient");
    const auto history = ReadHistory(path);
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[0], "2026-12-07 08:30:05  clinician  excluded reading 1");
    EXPECT_EQ(history[1], "2026-12-07 08:30:05  clinician  patient sheet edited");
}

TEST_F(CaseEditorTest, AFailedSaveWritesNothingAndKeepsTheChanges) {
    ASSERT_TRUE(editor.ToggleExclusion(11));
    ASSERT_EQ(std::remove(path.c_str()), 0);
    EXPECT_FALSE(editor.Save(kStamp));
    EXPECT_FALSE(FileExists(path));  // a vanished case is not made up again
    EXPECT_TRUE(editor.HasUnsavedChanges());
    EXPECT_EQ(editor.UnsavedChanges(), std::vector<std::string>{"excluded reading 12"});
    EXPECT_TRUE(editor.CanUndo());
    // Back in place, the same changes save.
    test::WriteSampleCase(path, {2026, 3, 1, 8, 0}, 40);
    ASSERT_TRUE(editor.Save(kStamp));
    EXPECT_EQ(Reopened().allMeasurements()[11].valid, 0);
}

TEST(CaseHistory, LinesKeepTheirOrderAndOtherReadersSkipTheSection) {
    test::TempFolder folder;
    const std::string path = folder.File("c.awp");
    test::WriteSampleCase(path, {2026, 3, 1, 8, 0}, 12);
    {
        ProfileStore store(path);
        ProfileStore::Batch batch(store);
        // Numbers, not the order of the file, give the order; foreign keys are skipped.
        store.WriteString(kHistorySection, "10", "tenth");
        store.WriteString(kHistorySection, "9", "ninth");
        store.WriteString(kHistorySection, "note", "not a line");
        ASSERT_TRUE(AppendHistory(store, {"next"}));
        ASSERT_TRUE(batch.Commit());
    }
    EXPECT_EQ(ReadHistory(path), (std::vector<std::string>{"ninth", "tenth", "next"}));
    EXPECT_EQ(ProfileStore(path).GetString(kHistorySection, "11", ""), "next");
    Recording r;
    r.casePath = path;
    ASSERT_TRUE(r.Load());
    EXPECT_EQ(r.allMeasurements().size(), 12u);
    EXPECT_TRUE(ReadHistory(folder.File("none.awp")).empty());
    EXPECT_FALSE(OperatingSystemUser().empty());
}

TEST(CaseEditState, ChangeTexts) {
    CaseEditState saved;
    saved.readings = {{false, ""}, {true, "old"}, {false, "x"}};
    saved.sleep = {14, 44};
    CaseEditState now = saved;
    now.readings[0].excluded = true;
    now.readings[1].excluded = false;
    now.readings[2].remark = "";
    now.sleep = {13, 45};
    EXPECT_EQ(
        DescribeChanges(saved, now),
        (std::vector<std::string>{"excluded reading 1", "included reading 2", "remark 3 removed",
                                  "asleep 22:30\xE2\x80\x93"
                                  "06:30"}));
    EXPECT_TRUE(DescribeChanges(saved, saved).empty());
    EXPECT_EQ(ClockOfEntry(0), "00:00");
    EXPECT_EQ(ClockOfEntry(47), "23:30");
    EXPECT_EQ(ClockOfEntry(99), "23:30");
}

}  // namespace
}  // namespace vitalis
