#include "case/MonthlyCases.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "case/CaseFileNames.h"
#include "case/ProfileStore.h"
#include "case/ReadingText.h"
#include "case/Recording.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

namespace fs = std::filesystem;
using test::KeyTexts;
using test::ReadBytes;
using test::TempFolder;

const ClockTime kMarch{2026, 3, 10, 8, 0};

CaseHeader MonitorHeader() {
    CaseHeader header = test::SampleHeader(kMarch);
    header.monitorAddress = "00803712AB01";
    return header;
}

Recording Loaded(const std::string& path) {
    Recording recording;
    recording.casePath = path;
    EXPECT_TRUE(recording.Load()) << path;
    return recording;
}

// What a clinician does to a filed reading: excludes it and writes a remark.
void ExcludeWithRemark(const std::string& path, int number, const std::string& remark) {
    ProfileStore store(path);
    std::string text = store.GetString("TEST 1", std::to_string(number), "");
    ASSERT_GT(text.size(), kExclusionMarkPosition);
    text[kExclusionMarkPosition] = '1';
    store.WriteString("TEST 1", std::to_string(number), text);
    store.WriteString("TEST 1", "C" + std::to_string(number), remark);
}

TEST(MonthlyCases, TheSameRecordingAgainAddsOnlyTheNewReadingsInTimeOrder) {
    TempFolder folder;
    const auto first = test::SampleReadings(kMarch, 10);
    const SplitWriteResult once =
        WriteMonthlyCases(folder.path(), first, MonitorHeader(), KeyTexts());
    ASSERT_TRUE(once.ok);
    const std::string path = folder.File("2026/3.awp");
    ExcludeWithRemark(path, 3, "cuff moved");

    // The monitor holds the same ten and two more, handed over latest first.
    auto again = test::SampleReadings(kMarch, 12);
    std::swap(again[10], again[11]);
    const SplitWriteResult twice =
        WriteMonthlyCases(folder.path(), again, MonitorHeader(), KeyTexts());
    ASSERT_TRUE(twice.ok);
    EXPECT_EQ(twice.alreadyFiled, 10);
    EXPECT_EQ(twice.paths, std::vector<std::string>{path});
    const Recording recording = Loaded(path);
    ASSERT_EQ(recording.allMeasurements().size(), 12u);
    for (size_t i = 0; i < 12; ++i)
        EXPECT_EQ(recording.allMeasurements()[i].Clock(),
                  AddMinutes(kMarch, 15 * static_cast<int>(i)));
    EXPECT_EQ(recording.allMeasurements()[2].valid, 0);  // still excluded
    EXPECT_EQ(recording.allMeasurements()[2].remark, "cuff moved");

    // Once more, nothing new: the file keeps its count.
    ASSERT_TRUE(WriteMonthlyCases(folder.path(), again, MonitorHeader(), KeyTexts()).ok);
    EXPECT_EQ(ProfileStore(path).GetInt("TEST 1", "Count", 0), 12);
}

TEST(MonthlyCases, AReadingWithTheSameTimeButOtherValuesIsFiled) {
    TempFolder folder;
    auto readings = test::SampleReadings(kMarch, 3);
    ASSERT_TRUE(WriteMonthlyCases(folder.path(), readings, MonitorHeader(), KeyTexts()).ok);
    readings[1].sys += 1;
    const SplitWriteResult again =
        WriteMonthlyCases(folder.path(), readings, MonitorHeader(), KeyTexts());
    EXPECT_EQ(again.alreadyFiled, 2);
    EXPECT_EQ(Loaded(folder.File("2026/3.awp")).allMeasurements().size(), 4u);
}

TEST(MonthlyCases, ReadingsWithoutARealDateAreLeftOutAndCounted) {
    TempFolder folder;
    auto readings = test::SampleReadings(kMarch, 4);
    readings[1].year = readings[1].month = readings[1].day = 0;
    readings[2].month = 13;
    const SplitWriteResult result =
        WriteMonthlyCases(folder.path(), readings, MonitorHeader(), KeyTexts());
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.skipped, 2);
    EXPECT_EQ(result.paths, std::vector<std::string>{folder.File("2026/3.awp")});
    EXPECT_FALSE(fs::exists(folder.File("0")));
    EXPECT_EQ(Loaded(folder.File("2026/3.awp")).allMeasurements().size(), 2u);
}

TEST(MonthlyCases, AFailureOnALaterMonthChangesNoFile) {
    TempFolder folder;
    const ClockTime lateMarch{2026, 3, 31, 22, 0};
    ASSERT_TRUE(WriteMonthlyCases(folder.path(), test::SampleReadings(lateMarch, 2),
                                  MonitorHeader(), KeyTexts())
                    .ok);
    const std::string march = folder.File("2026/3.awp");
    const std::string before = ReadBytes(march);
    fs::create_directories(folder.File("2026/4.awp"));  // April's file cannot be written

    const auto readings = test::SampleReadings(lateMarch, 12);  // into April
    const SplitWriteResult result =
        WriteMonthlyCases(folder.path(), readings, MonitorHeader(), KeyTexts());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failedPath, folder.File("2026/4.awp"));
    EXPECT_EQ(ReadBytes(march), before);
    for (const auto& entry : fs::directory_iterator(folder.File("2026")))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << entry.path();

    fs::remove(folder.File("2026/4.awp"));  // the retry files each reading once
    ASSERT_TRUE(WriteMonthlyCases(folder.path(), readings, MonitorHeader(), KeyTexts()).ok);
    EXPECT_EQ(Loaded(march).allMeasurements().size(), 8u);
    EXPECT_EQ(Loaded(folder.File("2026/4.awp")).allMeasurements().size(), 4u);
}

TEST(CaseFileNames, AnUnusedNameLeavesTheFirstDownloadsNameAlone) {
    TempFolder folder;
    const std::string path = folder.File("2602030830.awp");
    EXPECT_EQ(UnusedCaseName(path), path);
    test::WriteBytes(path, "x");
    EXPECT_EQ(UnusedCaseName(path), folder.File("2602030830_2.awp"));
    test::WriteBytes(folder.File("2602030830_2.awp"), "x");
    EXPECT_EQ(UnusedCaseName(path), folder.File("2602030830_3.awp"));
}

}  // namespace
}  // namespace vitalis
