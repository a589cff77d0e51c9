#include <gtest/gtest.h>

#include <filesystem>

#include "case/CalendarTime.h"
#include "shell/ReportFiles.h"
#include "shell/ReportGraphRecord.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using test::ReadBytes;
using test::WriteBytes;

int64_t At(int year, int month, int day, int hour, int minute) {
    return MinutesOf({year, month, day, hour, minute});
}

std::string Ints(std::initializer_list<int> values) {
    std::string bytes;
    for (const int v : values)
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    return bytes;
}

GraphRecord StripWithWindow() {
    return {{GraphType::Strip, true, 48},
            TimeWindow{At(2026, 3, 1, 22, 30), At(2026, 3, 2, 6, 15)}};
}

TEST(GraphRecord, HasAFixedLayoutOfSixteenInts) {
    EXPECT_EQ(EncodeGraph(StripWithWindow()),
              Ints({1, 1, 48, 1, 2026, 3, 1, 22, 30, 0, 2026, 3, 2, 6, 15, 0}));
    // The defaults: line graph, whole recording, automatic pages, zero window blocks.
    EXPECT_EQ(EncodeGraph(GraphRecord{}), Ints({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(EncodeGraph(GraphRecord{{GraphType::Line, false, 12}, {}}).substr(8, 4), Ints({12}));

    std::string error;
    const auto read =
        DecodeGraph(Ints({1, 1, 48, 1, 2026, 3, 1, 22, 30, 0, 2026, 3, 2, 6, 15, 0}), error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->options, (ReportGraphOptions{GraphType::Strip, true, 48}));
    ASSERT_TRUE(read->screenWindow);
    EXPECT_EQ(read->screenWindow->first, At(2026, 3, 1, 22, 30));
    EXPECT_EQ(read->screenWindow->last, At(2026, 3, 2, 6, 15));
    const auto plain = DecodeGraph(Ints({0, 0, 72, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), error);
    ASSERT_TRUE(plain) << error;
    EXPECT_EQ(plain->options.scaleHours, 72);
    EXPECT_FALSE(plain->screenWindow);
}

TEST(GraphRecord, RefusesEveryImpossibleValue) {
    const std::string good = EncodeGraph(StripWithWindow());
    std::string error;
    ASSERT_TRUE(DecodeGraph(good, error)) << error;
    EXPECT_FALSE(DecodeGraph(good.substr(0, 63), error));
    EXPECT_NE(error.find("63 bytes"), std::string::npos) << error;
    EXPECT_FALSE(DecodeGraph(good + '\0', error));

    const auto with = [&](size_t field, int value) {
        std::string bytes = good;
        bytes.replace(field * 4, 4, Ints({value}));
        return bytes;
    };
    EXPECT_FALSE(DecodeGraph(with(0, 2), error));  // graph type
    EXPECT_NE(error.find("graph type"), std::string::npos) << error;
    EXPECT_FALSE(DecodeGraph(with(1, -1), error));  // same display
    EXPECT_FALSE(DecodeGraph(with(2, 36), error));  // time scale
    EXPECT_NE(error.find("36 hours"), std::string::npos) << error;
    EXPECT_FALSE(DecodeGraph(with(3, 2), error));   // window flag
    EXPECT_FALSE(DecodeGraph(with(5, 13), error));  // month 13
    EXPECT_FALSE(DecodeGraph(with(8, 60), error));  // minute 60
    EXPECT_FALSE(DecodeGraph(with(9, 1), error));   // a second
    EXPECT_FALSE(DecodeGraph(with(12, 1), error));  // ends before it starts
    EXPECT_NE(error.find("ends before"), std::string::npos) << error;
    EXPECT_FALSE(DecodeGraph(with(3, 0), error));  // window blocks without the flag
    EXPECT_FALSE(DecodeGraph(with(3, 1).replace(16, 48, std::string(48, '\0')), error));
}

class GraphFileTest : public ::testing::Test {
  protected:
    ReportData Report() const {
        ReportData d;
        d.header.pages[3] = 1;
        d.graphReadings = MeasurementListRecord{};
        d.graphReadings->readings = test::SampleReadings({2026, 3, 1, 8, 30}, 10);
        d.graph = StripWithWindow();
        return d;
    }
    test::TempFolder app;
    std::string folder = app.File("TensioStart");
};

TEST_F(GraphFileTest, TravelsInItsOwnFileBesideTheUnchangedRecords) {
    ReportData report = Report();
    ReportData without = report;
    without.graph.reset();
    ASSERT_TRUE(WriteReportFiles(folder, without).ok);
    const std::string header = ReadBytes(folder + "/Report.txt");
    const std::string list = ReadBytes(folder + "/45.rp");

    const ReportWriteResult written = WriteReportFiles(folder, report);
    ASSERT_TRUE(written.ok);
    EXPECT_EQ(written.written, (std::vector<std::string>{"Report.txt", "Graph.rp", "45.rp"}));
    EXPECT_EQ(ReadBytes(folder + "/Report.txt"), header);
    EXPECT_EQ(ReadBytes(folder + "/45.rp"), list);
    EXPECT_EQ(ReadBytes(folder + "/Graph.rp"), EncodeGraph(report.graph.value()));
    const ReportReadResult read = ReadReportFiles(folder);
    ASSERT_TRUE(read.data) << read.error;
    EXPECT_EQ(read.data->graph, report.graph);
    EXPECT_TRUE(read.missing.empty());
}

TEST_F(GraphFileTest, AMissingFileIsTheOldReportAndADamagedOneIsNamed) {
    ASSERT_TRUE(WriteReportFiles(folder, Report()).ok);
    const std::string bytes = ReadBytes(folder + "/Graph.rp");
    WriteBytes(folder + "/Graph.rp", bytes.substr(0, 20));
    ReportReadResult read = ReadReportFiles(folder);
    EXPECT_FALSE(read.data);
    EXPECT_NE(read.error.find("Graph.rp"), std::string::npos) << read.error;

    std::filesystem::remove(folder + "/Graph.rp");
    read = ReadReportFiles(folder);
    ASSERT_TRUE(read.data) << read.error;
    EXPECT_FALSE(read.data->graph);
    EXPECT_TRUE(read.missing.empty());
}

}  // namespace
}  // namespace vitalis
