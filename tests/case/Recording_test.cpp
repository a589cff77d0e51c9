#include "case/Recording.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using test::TempFolder;
using test::WriteBytes;

// A minimal case file around the given test-section lines.
std::string CaseText(const std::string& testLines, const std::string& patientLines = "") {
    return "[PATIENT DATA]\r\nName=Ada\r\nID=A1\r\nTest Count=1\r\n" + patientLines +
           "[TEST 1]\r\nYearBegin=2026\r\nMonthBegin=3\r\nDayBegin=1\r\nHourBegin=8\r\n"
           "MinBegin=0\r\n" +
           testLines;
}

class LoadTest : public ::testing::Test {
  protected:
    bool LoadText(const std::string& text, const std::string& name = "260301080000.awp") {
        recording.casePath = folder.File(name);
        WriteBytes(recording.casePath, text);
        return recording.Load();
    }
    TempFolder folder;
    Recording recording;
};

TEST(Plausibility, StrictOrderRangesAndClock) {
    Measurement m;
    m.sys = 120, m.map = 90, m.dia = 80, m.pr = 70;
    m.SetClock({2026, 3, 1, 8, 0});
    EXPECT_TRUE(IsPlausible(m));
    Measurement equal = m;
    equal.map = 120;
    EXPECT_FALSE(IsPlausible(equal));
    Measurement noPulse = m;
    noPulse.pr = 0;
    EXPECT_FALSE(IsPlausible(noPulse));
    Measurement tooHigh = m;
    tooHigh.sys = 400;
    EXPECT_FALSE(IsPlausible(tooHigh));
    Measurement badDay = m;
    badDay.SetClock({2026, 2, 29, 8, 0});
    EXPECT_FALSE(IsPlausible(badDay));
}

TEST_F(LoadTest, ReadsPatientTestAndReadings) {
    ASSERT_TRUE(
        LoadText(CaseText("Awake Time=15\r\nAwakeDuration=255\r\nAsleepDuration=30\r\n"
                          "Count=3\r\n1=00007850465A001E0000000000\r\nC1=fine\r\n"
                          "3=00007850465A003C0000001000\r\n"
                          "Comments=line one++line two\r\n",
                          "Birthday=1980-2-29\r\nGender=2\r\n")));
    EXPECT_EQ(recording.patient.name, "Ada");
    EXPECT_EQ(recording.patient.sex, PatientSex::Female);
    EXPECT_EQ(recording.patient.birthDate, (CalendarDate{1980, 2, 29}));
    EXPECT_EQ(recording.awakeStart, 450);
    EXPECT_EQ(recording.asleepStart, 44 * 30);
    EXPECT_EQ(recording.schedule.awake.interval, std::nullopt);
    EXPECT_EQ(recording.schedule.asleep.interval, 30);
    EXPECT_EQ(recording.schedule.awake.start.hour, 7);
    EXPECT_EQ(recording.comments, "line one\r\nline two");
    ASSERT_EQ(recording.allMeasurements().size(), 3u);
    EXPECT_EQ(recording.allMeasurements()[0].remark, "fine");
    // Key 2 is missing: a reading of zeros, implausible, but the load succeeds.
    EXPECT_EQ(recording.allMeasurements()[1].sys, 0);
    // Reading 3 is excluded by its mark: plausible but not valid.
    EXPECT_EQ(recording.plausibleMeasurements().size(), 2u);
    EXPECT_EQ(recording.validMeasurements().size(), 1u);
    EXPECT_EQ(recording.recordingEnd, (ClockTime{2026, 3, 1, 9, 0}));
    EXPECT_FALSE(recording.multiDay);
}

TEST_F(LoadTest, FailsWithoutTestCountBeginOrEnoughReadings) {
    EXPECT_FALSE(LoadText("[PATIENT DATA]\r\nName=x\r\n"));
    EXPECT_FALSE(LoadText("[PATIENT DATA]\r\nTest Count=1\r\n[TEST 1]\r\nCount=0\r\n"));
    EXPECT_FALSE(LoadText(CaseText("Count=100001\r\n")));
    EXPECT_FALSE(LoadText(CaseText("Count=-1\r\n")));
    EXPECT_TRUE(LoadText(CaseText("Count=0\r\n")));
    EXPECT_FALSE(LoadText(
        CaseText("Count=1\r\n").replace(CaseText("").find("MonthBegin=3"), 12, "MonthBegin=13")));
}

TEST_F(LoadTest, MissingFileFailsAndIsNotCreated) {
    recording.casePath = folder.File("absent.awp");
    EXPECT_FALSE(recording.Load());
    EXPECT_NE(access(recording.casePath.c_str(), F_OK), 0);
}

TEST_F(LoadTest, JunkFilesFailCleanly) {
    EXPECT_FALSE(LoadText(std::string("\x00\x01\x02\xff\xfe\x80garbage\r\n[[[", 18)));
    EXPECT_FALSE(LoadText(std::string("[\0P\0A\0", 6)));  // UTF-16 without byte-order mark
    EXPECT_FALSE(LoadText(CaseText("Count=3\r\n1=0000785046").substr(0, 60)));
}

TEST_F(LoadTest, InvalidBirthdayIsUnknown) {
    ASSERT_TRUE(LoadText(CaseText("Count=0\r\n", "Birthday=2025-2-30\r\n")));
    EXPECT_EQ(recording.patient.birthDate, std::nullopt);
}

TEST_F(LoadTest, ShortNamesAndDisorderSetMultiDay) {
    recording.recordingEnd = {1999, 1, 1, 0, 0};
    const std::string twoReadings =
        "Count=2\r\n1=00007850465A001E0000000000\r\n2=00007850465A003C0000000000\r\n";
    ASSERT_TRUE(LoadText(CaseText(twoReadings), "12.awp"));
    EXPECT_TRUE(recording.multiDay);
    EXPECT_EQ(recording.recordingEnd, (ClockTime{1999, 1, 1, 0, 0}));  // left as it was

    const std::string backwards =
        "Count=2\r\n1=00007850465A003C0000000000\r\n2=00007850465A001E0000000000\r\n";
    ASSERT_TRUE(LoadText(CaseText(backwards), "long-name.awp"));
    EXPECT_TRUE(recording.multiDay);
}

TEST_F(LoadTest, SeventyTwoHourRule) {
    // 72 h 59 min: 4379 minutes = 0x0111B; 73 h: 4380 = 0x111C.
    const auto span = [](const char* lastOffset) {
        return "Count=2\r\n1=00007850465A00000000000000\r\n2=00007850465A" +
               std::string(lastOffset) + "0000000000\r\n";
    };
    ASSERT_TRUE(LoadText(CaseText(span("111B"))));
    EXPECT_FALSE(recording.multiDay);
    ASSERT_TRUE(LoadText(CaseText(span("111C"))));
    EXPECT_TRUE(recording.multiDay);
    EXPECT_FALSE(SpansMoreThan72Hours({2026, 3, 1, 0, 0}, {2026, 3, 4, 0, 0}));
}

TEST(CaseFileStem, NameBetweenSeparatorAndDot) {
    EXPECT_EQ(CaseFileStem("/data/2026/3.awp"), "3");
    EXPECT_EQ(CaseFileStem("C:\\data\\12.awp"), "12");
    EXPECT_EQ(CaseFileStem("/data.d/noext"), "noext");
}

}  // namespace
}  // namespace vitalis

namespace vitalis {
namespace {

const std::string kOneReading = "Count=1\r\n1=00007850465A001E0000000000\r\n";

TEST_F(LoadTest, OfficePressureWhenBothValuesAreStored) {
    ASSERT_TRUE(LoadText(CaseText(kOneReading, "OfficeSys=142\r\nOfficeDia=91\r\n")));
    EXPECT_EQ(recording.office, (OfficePressure{142, 91}));
    ASSERT_TRUE(LoadText(CaseText(kOneReading, "OfficeSys=142\r\n")));
    EXPECT_EQ(recording.office, std::nullopt);
    ASSERT_TRUE(LoadText(CaseText(kOneReading)));
    EXPECT_EQ(recording.office, std::nullopt);
}

}  // namespace
}  // namespace vitalis
