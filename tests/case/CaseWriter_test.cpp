#include "case/CaseWriter.h"
#include "case/MonthlyCases.h"

#include <gtest/gtest.h>

#include "case/CaseFileNames.h"
#include "case/CaseFolder.h"
#include "case/ProfileStore.h"
#include "case/Recording.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using test::KeyTexts;
using test::ReadBytes;
using test::TempFolder;

const ClockTime kBegin{2026, 3, 1, 8, 5};

TEST(CaseWriter, DownloadedCaseReadsBackTheSame) {
    TempFolder folder;
    const std::string path = folder.File("new/sub/2603010805.awp");
    const auto readings = test::SampleReadings(kBegin, 120);
    ASSERT_TRUE(WriteReadings(path, readings, KeyTexts()));
    ASSERT_TRUE(WriteHeader(path, test::SampleHeader(kBegin)));

    Recording recording;
    recording.casePath = path;
    ASSERT_TRUE(recording.Load());
    EXPECT_EQ(recording.patient.name, "Ada Lovelace");
    EXPECT_EQ(recording.testBegin, kBegin);
    EXPECT_EQ(recording.awakeStart, 420);
    EXPECT_EQ(recording.schedule.awake.interval, 15);
    ASSERT_EQ(recording.allMeasurements().size(), readings.size());
    for (size_t i = 0; i < readings.size(); ++i) {
        const Measurement& in = readings[i];
        const Measurement& out = recording.allMeasurements()[i];
        EXPECT_EQ(out.sys, in.sys) << i;
        EXPECT_EQ(out.dia, in.dia) << i;
        EXPECT_EQ(out.map, in.map) << i;
        EXPECT_EQ(out.pr, in.pr) << i;
        EXPECT_EQ(out.status, in.status) << i;
        EXPECT_EQ(out.mode, in.mode) << i;
        EXPECT_EQ(out.Clock(), in.Clock()) << i;
        EXPECT_EQ(out.valid, in.valid) << i;
        EXPECT_EQ(out.remark, in.status == 6 ? "Global Setting:IDS_LOOSE_CUFF" : "") << i;
    }
}

TEST(CaseWriter, HeaderKeysInOrderAndAddressByDeviceType) {
    TempFolder folder;
    const std::string path = folder.File("case.awp");
    CaseHeader header = test::SampleHeader(kBegin);
    header.schedule->awake.start = {7, 35};  // truncated to half-hour 15
    ASSERT_TRUE(WriteHeader(path, header));
    const std::string text = ReadBytes(path);
    const char* ordered[] = {
        "[PATIENT DATA]\r\nName=Ada Lovelace\r\nID=P-0042\r\nTest Count=1\r\n"
        "BTH_ADDR=000000000101\r\n[TEST 1]\r\nDeviceType=1\r\n",
        "SpecialMinEnd=0\r\nTimePeriod=0\r\nTestBeginDate=1/3/2026 8:05\r\n"
        "YearBegin=2026\r\nMonthBegin=3\r\nDayBegin=1\r\nHourBegin=8\r\n"
        "MinBegin=5\r\nAwake Time=15\r\nAsleep Time=44\r\n"};
    for (const char* part : ordered) EXPECT_NE(text.find(part), std::string::npos) << part;

    header.deviceType = 4;
    ASSERT_TRUE(WriteHeader(path, header));
    EXPECT_EQ(ProfileStore(path).GetString("PATIENT DATA", "BTH_ADDR", ""), "000000000201");
    header.writesMonitorType = true;
    header.monitorAddress = "00803712AB01";
    ASSERT_TRUE(WriteHeader(path, header));
    EXPECT_EQ(ProfileStore(path).GetString("PATIENT DATA", "BTH_ADDR", ""), "00803712AB01");
    EXPECT_EQ(ProfileStore(path).GetString("TEST 1", "TestBeginDate", ""), "1/3/2026 08:05");
}

TEST(CaseWriter, TheScheduleKeysWithNoneAs255AndAllZeroWithoutASchedule) {
    TempFolder folder;
    const std::string path = folder.File("case.awp");
    CaseHeader header = test::SampleHeader(kBegin);
    header.schedule = MonitorSchedule{{{6, 30}, 20}, {{23, 0}, std::nullopt}, std::nullopt};
    ASSERT_TRUE(WriteHeader(path, header));
    EXPECT_NE(ReadBytes(path).find("AwakeHour=6\r\nAwakeMin=30\r\nAwakeDuration=20\r\n"
                                   "AsleepHour=23\r\nAsleepMin=0\r\nAsleepDuration=255\r\n"
                                   "SpecialHourStart=255\r\nSpecialMinStart=255\r\n"
                                   "SpecialDuration=255\r\nSpecialHourEnd=255\r\n"
                                   "SpecialMinEnd=255\r\nTimePeriod=0\r\n"),
              std::string::npos)
        << ReadBytes(path);
    EXPECT_NE(ReadBytes(path).find("Awake Time=13\r\nAsleep Time=46\r\n"), std::string::npos);

    header.schedule = std::nullopt;  // the monitor sent no header
    ASSERT_TRUE(WriteHeader(path, header));
    EXPECT_NE(ReadBytes(path).find("AwakeHour=0\r\nAwakeMin=0\r\nAwakeDuration=0\r\n"
                                   "AsleepHour=0\r\nAsleepMin=0\r\nAsleepDuration=0\r\n"
                                   "SpecialHourStart=0\r\nSpecialMinStart=0\r\n"
                                   "SpecialDuration=0\r\nSpecialHourEnd=0\r\n"
                                   "SpecialMinEnd=0\r\nTimePeriod=0\r\n"),
              std::string::npos)
        << ReadBytes(path);
    EXPECT_NE(ReadBytes(path).find("Awake Time=0\r\nAsleep Time=0\r\n"), std::string::npos);
}

TEST(CaseWriter, EveryHeaderTheDownloadWritesOpens) {
    TempFolder folder;
    const std::string path = folder.File("case.awp");
    CaseHeader header = test::SampleHeader(kBegin);
    for (const int deviceType : {1, 2, 3, 4}) {
        header.deviceType = deviceType;
        ASSERT_TRUE(WriteHeader(path, header));
        EXPECT_TRUE(IsCompatibleCase(path)) << deviceType;
    }
    // The Heron one-file data set: the monitor's own address, so its type must be stored.
    header.writesMonitorType = true;
    header.monitorAddress = "00803712AB01";
    ASSERT_TRUE(WriteHeader(path, header));
    EXPECT_EQ(ProfileStore(path).GetString("PATIENT DATA", "Type", ""), "Heron");
    EXPECT_TRUE(IsCompatibleCase(path));
}

TEST(CaseWriter, FolderThatCannotBeCreatedWritesNothing) {
    TempFolder folder;
    test::WriteBytes(folder.File("plain-file"), "x");
    const std::string path = folder.File("plain-file/case.awp");
    EXPECT_FALSE(WriteReadings(path, test::SampleReadings(kBegin, 3), KeyTexts()));
    EXPECT_FALSE(WriteHeader(path, test::SampleHeader(kBegin)));
}

TEST(CaseWriter, MonthlyFilesAcrossAMonthBoundaryAndLaterExtension) {
    TempFolder folder;
    const ClockTime lateMarch{2026, 3, 31, 20, 0};
    const auto readings = test::SampleReadings(lateMarch, 40, 30);  // into April 1st
    CaseHeader header = test::SampleHeader(lateMarch);
    header.monitorAddress = "00803712AB01";
    const SplitWriteResult first = WriteMonthlyCases(folder.path(), readings, header, KeyTexts());
    ASSERT_TRUE(first.ok);
    ASSERT_EQ(first.paths,
              (std::vector<std::string>{folder.File("2026/3.awp"), folder.File("2026/4.awp")}));
    Recording march;
    march.casePath = first.paths[0];
    ASSERT_TRUE(march.Load());
    EXPECT_EQ(march.testBegin, lateMarch);
    EXPECT_EQ(march.allMeasurements().size(), 8u);  // 20:00 .. 23:30
    EXPECT_TRUE(march.multiDay);                    // per-month files have short names
    ProfileStore marchStore(first.paths[0]);
    EXPECT_EQ(marchStore.GetString("PATIENT DATA", "Type", ""), "Heron");
    EXPECT_EQ(marchStore.GetString("TEST 1", "StartCount", ""), "0");
    EXPECT_EQ(marchStore.GetString("TEST 1", "1", "").size(), 25u);

    Recording april;
    april.casePath = first.paths[1];
    ASSERT_TRUE(april.Load());
    EXPECT_EQ(april.testBegin, (ClockTime{2026, 4, 1, 0, 0}));
    ASSERT_EQ(april.allMeasurements().size(), 32u);
    for (size_t i = 0; i < april.allMeasurements().size(); ++i) {
        EXPECT_EQ(april.allMeasurements()[i].Clock(), readings[8 + i].Clock());
        const bool failed = readings[8 + i].status != 0;
        EXPECT_EQ(april.allMeasurements()[i].valid, failed ? 0 : 1);
    }

    // A later download of April readings extends the April file.
    const auto more = test::SampleReadings({2026, 4, 2, 6, 0}, 4, 30);
    ASSERT_TRUE(WriteMonthlyCases(folder.path(), more, header, KeyTexts()).ok);
    ASSERT_TRUE(april.Load());
    ASSERT_EQ(april.allMeasurements().size(), 36u);
    EXPECT_EQ(april.allMeasurements().back().Clock(), more.back().Clock());
}

TEST(CaseFileNames, Patterns) {
    EXPECT_EQ(CaseNameFromTestBegin("/cases", {2026, 3, 1, 8, 5}), "/cases/2603010805.awp");
    EXPECT_EQ(CaseNameFromClock("/cases/", {{2026, 12, 6, 20, 1}, 46}),
              "/cases/20261206200146.awp");
    EXPECT_EQ(ShortCaseNameFromClock("/cases", {{2026, 12, 6, 20, 1}, 46}),
              "/cases/261206200146.awp");
}

}  // namespace
}  // namespace vitalis
