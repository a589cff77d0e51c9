#include "case/RecordingRuns.h"

#include <gtest/gtest.h>

#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using test::TempFolder;

const ClockTime kBegin{2026, 3, 1, 8, 0};

// Readings at the given minutes after kBegin, numbered in the order given.
Recording WithReadingsAt(const std::vector<int>& minutes) {
    Recording r;
    r.testBegin = kBegin;
    for (size_t i = 0; i < minutes.size(); ++i) {
        Measurement m;
        m.index = static_cast<int>(i);
        m.sys = 120 + static_cast<int>(i), m.map = 95, m.dia = 80, m.pr = 70, m.valid = 1;
        m.offsetMinutes = minutes[i];
        m.SetClock(AddMinutes(kBegin, minutes[i]));
        r.AddMeasurement(m);
    }
    return r;
}

TEST(RecordingRuns, APauseOfMoreThanSixHoursStartsTheNextTest) {
    // 6 h exactly between the 2nd and 3rd reading stays one test; 6 h 1 min breaks it.
    const Recording r = WithReadingsAt({0, 30, 30 + 360, 30 + 360 + 361, 30 + 360 + 361 + 15});
    const std::vector<RecordingRun> runs = FindRecordingRuns(r);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].count, 3);
    EXPECT_EQ(runs[0].begin, kBegin);
    EXPECT_EQ(runs[0].end, AddMinutes(kBegin, 390));
    EXPECT_EQ(runs[1].count, 2);
    EXPECT_EQ(runs[1].begin, AddMinutes(kBegin, 751));
    EXPECT_EQ(runs[1].end, AddMinutes(kBegin, 766));
}

TEST(RecordingRuns, TestsComeInTimeOrderWhateverTheFileOrder) {
    // A later test filed before an earlier one; two readings of one minute keep their order.
    const Recording r = WithReadingsAt({2000, 2015, 0, 15, 15});
    const std::vector<RecordingRun> runs = FindRecordingRuns(r);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].readings, (std::vector<size_t>{2, 3, 4}));
    EXPECT_EQ(runs[1].readings, (std::vector<size_t>{0, 1}));
}

TEST(RecordingRuns, ReadingsWithoutARealDateBelongToNoTest) {
    Recording r = WithReadingsAt({0, 15});
    Measurement undated;
    undated.index = 2;
    r.AddMeasurement(undated);  // year 0
    const std::vector<RecordingRun> runs = FindRecordingRuns(r);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].count, 2);
    EXPECT_TRUE(FindRecordingRuns(Recording{}).empty());
}

TEST(RecordingRuns, APickedTestIsACaseOfItsOwn) {
    Recording file = WithReadingsAt({0, 15, 30, 5000, 5015});
    file.patient.name = "Ada";
    file.multiDay = true;  // a monthly file always is
    const std::vector<RecordingRun> runs = FindRecordingRuns(file);
    ASSERT_EQ(runs.size(), 2u);
    const Recording second = SelectRecordingRun(file, runs[1]);
    EXPECT_EQ(second.patient.name, "Ada");
    EXPECT_FALSE(second.multiDay);
    EXPECT_EQ(second.testBegin, AddMinutes(kBegin, 5000));
    EXPECT_EQ(second.recordingEnd, AddMinutes(kBegin, 5015));
    ASSERT_EQ(second.allMeasurements().size(), 2u);
    EXPECT_EQ(second.allMeasurements()[0].index, 3);
    EXPECT_EQ(second.validMeasurements().size(), 2u);
    EXPECT_EQ(second.measurementCount, 2);
}

TEST(RecordingRuns, ATestLongerThanThreeDaysIsStillMultiDay) {
    std::vector<int> minutes;
    for (int m = 0; m <= 73 * 60; m += 60) minutes.push_back(m);
    const Recording file = WithReadingsAt(minutes);
    const std::vector<RecordingRun> runs = FindRecordingRuns(file);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_TRUE(SelectRecordingRun(file, runs[0]).multiDay);
}

TEST(RecordingRuns, EditsOfAPickedTestGoBackToTheirOwnReadings) {
    TempFolder folder;
    const std::string path = folder.File("3.awp");
    std::vector<Measurement> readings = test::SampleReadings(kBegin, 8, 15);
    std::vector<Measurement> later = test::SampleReadings(AddMinutes(kBegin, 3 * 24 * 60), 8, 15);
    for (Measurement& m : later) {
        m.index += 8;
        m.offsetMinutes += 3 * 24 * 60;
        readings.push_back(m);
    }
    WriteReadings(path, readings, NoTexts());
    WriteHeader(path, test::SampleHeader(kBegin));

    Recording file;
    file.casePath = path;
    ASSERT_TRUE(file.Load());
    const std::vector<RecordingRun> runs = FindRecordingRuns(file);
    ASSERT_EQ(runs.size(), 2u);
    Recording second = SelectRecordingRun(file, runs[1]);
    second.editableMeasurements()[0].valid = 0;           // reading 9 of the file
    second.editableMeasurements()[1].remark = "talking";  // reading 10
    ASSERT_TRUE(second.SaveEdits());

    Recording reread;
    reread.casePath = path;
    ASSERT_TRUE(reread.Load());
    const std::vector<Measurement>& all = reread.allMeasurements();
    ASSERT_EQ(all.size(), 16u);
    EXPECT_EQ(all[0].valid, 1);
    EXPECT_EQ(all[8].valid, 0);
    EXPECT_EQ(all[9].remark, "talking");
    EXPECT_EQ(all[1].remark, "");
}

}  // namespace
}  // namespace vitalis
