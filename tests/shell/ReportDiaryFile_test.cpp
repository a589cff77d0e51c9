#include "shell/ReportDiaryFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "shell/ReportFiles.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

TEST(ReportDiaryFile, TheDiaryTravelsInAFileOfItsOwnAndOnlyWhenThereIsOne) {
    test::TempFolder folder;
    ReportData data;
    data.header.pages[0] = 0;
    ASSERT_TRUE(WriteReportFiles(folder.path(), data).ok);
    EXPECT_FALSE(std::filesystem::exists(folder.File(kReportDiaryFile)));
    EXPECT_FALSE(ReadReportFiles(folder.path()).data->diary);

    Diary diary;
    diary.nights.push_back({{2026, 3, 1}, 22 * 60 + 15, 6 * 60});
    diary.events.push_back({{2026, 3, 1, 8, 0}, DiaryEventKind::Activity, "cycling\nto work"});
    data.diary = diary;
    const ReportWriteResult written = WriteReportFiles(folder.path(), data);
    ASSERT_TRUE(written.ok);
    EXPECT_EQ(written.written.back(), kReportDiaryFile);
    EXPECT_EQ(test::ReadBytes(folder.File(kReportDiaryFile)),
              "[DIARY]\r\nNight1=2026-03-01 22:15 06:00\r\n"
              "Event1=2026-03-01 08:00 activity cycling\\nto work\r\n");
    const ReportReadResult read = ReadReportFiles(folder.path());
    ASSERT_TRUE(read.data);
    EXPECT_EQ(read.data->diary, diary);

    // A later run without a diary leaves none behind.
    data.diary.reset();
    ASSERT_TRUE(WriteReportFiles(folder.path(), data).ok);
    EXPECT_FALSE(std::filesystem::exists(folder.File(kReportDiaryFile)));
}

}  // namespace
}  // namespace vitalis
