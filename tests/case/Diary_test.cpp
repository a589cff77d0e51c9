#include "case/Diary.h"

#include <gtest/gtest.h>

#include "case/CaseEditor.h"
#include "case/CaseHistory.h"
#include "case/ProfileStore.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using test::ReadBytes;
using test::WriteBytes;

const HistoryStamp kStamp{{{2026, 12, 7, 8, 30}, 5}, "clinician"};

TEST(DiaryFormat, EntriesHaveFixedTextAndHardTextStaysOnItsLine) {
    const DiaryNight night{{2026, 3, 1}, 22 * 60 + 30, 6 * 60 + 45};
    EXPECT_EQ(NightValue(night), "2026-03-01 22:30 06:45");
    const DiaryEvent event{
        {2026, 3, 2, 8, 5}, DiaryEventKind::Medication, "[TEST 1]\r\nCount=0 a\\b ++"};
    EXPECT_EQ(EventValue(event),
              "2026-03-02 08:05 medication \\[TEST 1]\\r\\nCount=0 a\\\\b \\+\\+");
    EXPECT_EQ(ParseEventValue(EventValue(event)), event);
    EXPECT_EQ(ParseNightValue("2026-03-01 22:30 06:45"), night);
    EXPECT_EQ(ParseEventValue("2026-03-02 08:05 symptom"),
              (DiaryEvent{{2026, 3, 2, 8, 5}, DiaryEventKind::Symptom, ""}));
    for (const char* bad : {"2026-02-30 22:30 06:45", "2026-03-01 24:00 06:45",
                            "2026-03-01 22:30 6:45", "2026-03-01 22:30 06:45 x", ""}) {
        EXPECT_FALSE(ParseNightValue(bad)) << bad;
    }
    EXPECT_FALSE(ParseEventValue("2026-03-02 08:05 walking fast"));
    EXPECT_FALSE(ParseEventValue("2026-03-02 08:05"));
}

TEST(DiaryFormat, BedtimeAfterMidnightBelongsToTheEvening) {
    const int64_t day = DaysFromCivil(2026, 3, 1) * 1440;
    EXPECT_EQ(BedtimeMinutes({{2026, 3, 1}, 23 * 60, 7 * 60}), day + 23 * 60);
    EXPECT_EQ(GetUpMinutes({{2026, 3, 1}, 23 * 60, 7 * 60}), day + 1440 + 7 * 60);
    EXPECT_EQ(BedtimeMinutes({{2026, 3, 1}, 60, 7 * 60}), day + 1440 + 60);
    EXPECT_EQ(GetUpMinutes({{2026, 3, 1}, 60, 7 * 60}), day + 1440 + 7 * 60);
    // A night shift: to bed in the morning, up in the afternoon.
    EXPECT_EQ(GetUpMinutes({{2026, 3, 1}, 13 * 60, 20 * 60}), day + 20 * 60);
}

class DiaryFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::WriteSampleCase(path, {2026, 3, 1, 8, 0}, 40);
        recording.casePath = path;
        ASSERT_TRUE(recording.Load());
        editor.Begin(*ReadPatientSheet(path));
    }
    test::TempFolder folder;
    std::string path = folder.File("2603010800.awp");
    Recording recording;
    CaseEditor editor{recording};
};

TEST_F(DiaryFileTest, SavedAsOneUndoableStepWithItsHistoryLine) {
    const std::string before = ReadBytes(path);
    ASSERT_TRUE(editor.Save(kStamp));
    EXPECT_EQ(ReadBytes(path), before);  // no diary: not a byte more

    Diary diary;
    diary.events.push_back({{2026, 3, 2, 9, 0}, DiaryEventKind::Activity, "walk"});
    diary.events.push_back({{2026, 3, 1, 20, 0}, DiaryEventKind::Medication, "5 mg"});
    diary.nights.push_back({{2026, 3, 1}, 22 * 60, 6 * 60 + 30});
    ASSERT_TRUE(editor.SetDiary(diary));
    EXPECT_FALSE(editor.SetDiary(diary));
    ASSERT_TRUE(editor.Save(kStamp));
    const std::string saved = ReadBytes(path);
    EXPECT_NE(saved.find("[DIARY]\r\nNight1=2026-03-01 22:00 06:30\r\n"
                         "Event1=2026-03-01 20:00 medication 5 mg\r\n"
                         "Event2=2026-03-02 09:00 activity walk\r\n"),
              std::string::npos)
        << saved;
    EXPECT_EQ(ReadHistory(path).back(), "2026-12-07 08:30:05  clinician  diary changed");

    Recording reopened;
    reopened.casePath = path;
    ASSERT_TRUE(reopened.Load());
    EXPECT_EQ(reopened.diary, recording.diary);
    EXPECT_TRUE(reopened.warnings.empty());

    ASSERT_TRUE(editor.Undo());
    EXPECT_TRUE(recording.diary.empty());
    ASSERT_TRUE(editor.Save(kStamp));
    EXPECT_EQ(saved.find("Night1"), saved.rfind("Night1"));
    EXPECT_EQ(ReadBytes(path).find("Night1"), std::string::npos);
}

TEST_F(DiaryFileTest, LinesNotUnderstoodAreReportedAndKept) {
    std::string bytes = ReadBytes(path);
    bytes +=
        "[DIARY]\r\nNight1=yesterday evening\r\nMood=fine\r\n; a note\r\n"
        "Event1=2026-03-01 12:00 symptom dizzy\r\n";
    WriteBytes(path, bytes);
    ASSERT_TRUE(recording.Load());
    ASSERT_EQ(recording.warnings.size(), 2u);
    EXPECT_EQ(recording.warnings[0],
              "diary line \"Night1=yesterday evening\" is not understood; kept");
    ASSERT_EQ(recording.diary.events.size(), 1u);
    editor.Begin(*ReadPatientSheet(path));

    Diary diary = recording.diary;
    diary.nights.push_back({{2026, 3, 1}, 23 * 60, 7 * 60});
    diary.events.clear();
    ASSERT_TRUE(editor.SetDiary(diary));
    ASSERT_TRUE(editor.Save(kStamp));
    const std::string saved = ReadBytes(path);
    EXPECT_NE(saved.find("[DIARY]\r\nNight1=yesterday evening\r\nMood=fine\r\n; a note\r\n"
                         "Night2=2026-03-01 23:00 07:00\r\n"),
              std::string::npos)
        << saved;
    EXPECT_EQ(saved.find("dizzy"), std::string::npos);
}

// A reader that does not know the section skips from "[DIARY]" to the next section: what it
// reads is the case as it was, even when a note holds a section line and a count.
TEST_F(DiaryFileTest, AReaderThatSkipsTheDiaryReadsTheCaseAsBefore) {
    Diary diary;
    diary.nights.push_back({{2026, 3, 1}, 22 * 60, 6 * 60 + 30});
    diary.events.push_back(
        {{2026, 3, 1, 20, 0}, DiaryEventKind::Other, "ok\r\n[TEST 1]\r\nCount=0\n[PATIENT DATA]"});
    ASSERT_TRUE(editor.SetDiary(diary));
    ASSERT_TRUE(editor.Save(kStamp));
    const std::string saved = ReadBytes(path);
    const size_t begin = saved.find("[DIARY]\r\n");
    ASSERT_NE(begin, std::string::npos);
    const size_t next = saved.find("\r\n[", begin + 1);
    const size_t end = next == std::string::npos ? saved.size() : next + 2;
    EXPECT_EQ(
        saved.substr(begin, end - begin),
        "[DIARY]\r\nNight1=2026-03-01 22:00 06:30\r\n"
        "Event1=2026-03-01 20:00 other ok\\r\\n\\[TEST 1]\\r\\nCount=0\\n\\[PATIENT DATA]\r\n");
    const std::string older = folder.File("2603010800-older.awp");
    WriteBytes(older, saved.substr(0, begin) + saved.substr(end));
    Recording skipped;
    skipped.casePath = older;
    ASSERT_TRUE(skipped.Load());
    EXPECT_TRUE(skipped.diary.empty());
    EXPECT_EQ(skipped.allMeasurements().size(), 40u);
    EXPECT_EQ(skipped.allMeasurements().size(), recording.allMeasurements().size());
    EXPECT_EQ(skipped.patient.name, recording.patient.name);
    EXPECT_TRUE(skipped.warnings.empty());
}

}  // namespace
}  // namespace vitalis
