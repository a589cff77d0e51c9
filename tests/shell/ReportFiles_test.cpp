#include <gtest/gtest.h>

#include <filesystem>

#include "shell/ReportBytes.h"
#include "shell/ReportFiles.h"
#include "shell/ReportRecords.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using test::ReadBytes;
using test::WriteBytes;

// A report with every page and awkward texts: non-Latin letters, a character outside the
// basic plane, empty strings, negative numbers.
ReportData FullReport() {
    ReportData d;
    d.header.pages.fill(1);
    d.header.pages[11] = 0;
    d.header.patientName = "Zoë Ångström";
    d.header.patientId = "";
    d.header.title = "Ambulatory report 血压 \xF0\x9F\x98\x80";
    d.header.beginDate = {2026, 3, 1};
    d.header.endDate = {2026, 3, 2};
    d.header.beginTime = {8, 0, 0, 30};
    d.demographics = DemographicsRecord{};
    d.demographics->address = "Line one\r\nLine two";
    d.demographics->age = 71;
    d.statistics = StatisticsRecord{};
    d.statistics->periods[1].values[0] = {181, 96, 133.25};
    d.statistics->periods[2].spread[3] = {4.5, 0.75, 0.0625};
    d.statistics->loads[5] = 0.4;
    d.summary = SummaryRecord{};
    d.summary->summaries[0].dia.mean = 81.5f;
    d.summary->summaries[2].pr.aboveFraction = 0.125;
    d.summary->ranges[1].sysHigh = 135;
    d.graphReadings = MeasurementListRecord{};
    d.graphReadings->readings = test::SampleReadings({2026, 3, 1, 8, 30}, 30);
    d.graphReadings->readings[3].remark = "moved arm — repeat";
    d.graphReadings->readings[4].offsetMinutes = -12;
    d.graphReadings->awakeStart = 420;
    d.histograms = HistogramRecord{};
    d.histograms->periods[2].dia[14] = 0.5;
    d.pies = d.summary;
    d.correlation = CorrelationRecord{};
    d.correlation->chart.awakePoints = {{120, 80}, {130, 85}};
    d.correlation->chart.asleepPoints = {{110, 70}};
    d.correlation->chart.r = -0.5;
    d.correlation->stiffnessIndex = 0.37;
    d.frequency = FrequencyRecord{{0, 1, std::vector<double>(24, 2.0)}, {0, 1, {}}};
    d.secondary = SecondaryHistogramRecord{{40, 10, {0.5, 0.5}}, {50, 10, {1.0}}, {20, 10, {}}};
    d.dataReadings = d.graphReadings;
    d.clinical = ClinicalRecord{};
    d.clinical->pages = {1, 0};
    d.clinical->block.quality.problems = {clinical::QualityProblem::FewAsleep};
    d.clinical->block.dipping.sys.dippingClass = clinical::DippingClass::Extreme;
    d.clinical->block.morningSurge.push_back({{2026, 3, 2}, 141.5, std::nullopt, 112.0, 29.5, {}});
    d.clinical->block.guideline.profile = clinical::FindGuideline("nice2019");
    d.clinical->block.guideline.means[1] = clinical::PeriodMeans{136.25, 84.5};
    d.clinical->block.guideline.office = OfficePressure{150, 95};
    d.clinical->block.guideline.phenotype = clinical::Phenotype::WhiteCoat;
    d.graph = GraphRecord{{GraphType::Strip, true, 24}, TimeWindow{29'530'000, 29'530'600}};
    return d;
}

class ReportFilesTest : public ::testing::Test {
  protected:
    test::TempFolder app;
    std::string folder = app.File("TensioStart");
};

TEST_F(ReportFilesTest, WhatIsWrittenReadsBackTheSame) {
    const ReportData report = FullReport();
    const ReportWriteResult written = WriteReportFiles(folder, report);
    ASSERT_TRUE(written.ok) << written.error;
    const std::vector<std::string> names = {"Report.txt", "Clinical.rp", "Graph.rp", "1.rp", "2.rp",
                                            "3.rp",       "45.rp",       "6.rp",     "7.rp", "8.rp",
                                            "9.rp",       "10.rp",       "11.rp"};
    EXPECT_EQ(written.written, names);

    const ReportReadResult read = ReadReportFiles(folder);
    ASSERT_TRUE(read.data) << read.error;
    EXPECT_TRUE(read.missing.empty());
    EXPECT_EQ(*read.data, report);
    // Spot checks that do not lean on the byte comparison of the records.
    EXPECT_EQ(read.data->header.title, report.header.title);
    EXPECT_EQ(read.data->graphReadings->readings[3].remark, "moved arm — repeat");
    EXPECT_EQ(read.data->graphReadings->readings[4].offsetMinutes, -12);
    EXPECT_EQ(read.data->statistics->periods[1].values[0].mean, 133.25);
    EXPECT_FLOAT_EQ(read.data->summary->summaries[0].dia.mean, 81.5f);
    EXPECT_EQ(read.data->correlation->chart.asleepPoints.size(), 1u);
    const clinical::ClinicalBlock& block = read.data->clinical->block;
    EXPECT_EQ(block.guideline.profile->id, "nice2019");
    EXPECT_EQ(block.guideline.phenotype, clinical::Phenotype::WhiteCoat);
    EXPECT_EQ(block.morningSurge.at(0).sleepTrough, 29.5);
    EXPECT_FALSE(block.morningSurge.at(0).preWake);
}

// The clinical record: page flags, then the quality (readings, analysed, success rate as a
// presence byte and a double, awake, asleep, adequate, problems), ..., the guideline's id.
TEST_F(ReportFilesTest, TheClinicalRecordHasItsOwnFileAndByteLayout) {
    ClinicalRecord record;
    record.pages = {1, 0};
    record.block.quality = {3, 2, 0.5, 2, 0, false, {clinical::QualityProblem::FewAsleep}};
    const std::string bytes = EncodeClinical(record);
    const std::string quality(
        "\x01\0\0\0\0\0\0\0"
        "\x03\0\0\0\x02\0\0\0\x01\0\0\0\0\0\0\xE0\x3F"
        "\x02\0\0\0\0\0\0\0\0\x01\0\0\0\x02\0\0\0",
        8 + 8 + 9 + 8 + 1 + 8);
    EXPECT_EQ(bytes.substr(0, quality.size()), quality);
    // Thirty absent figures and two absent weighted SDs, six absent dipping values, no
    // morning, no AASI, 24 hours of (hour, count, three absent means), then "esh2023" in
    // UTF-16 and eleven absent verdict values.
    EXPECT_EQ(bytes.size(), quality.size() + 32 + 6 + 4 + 1 + 24 * 11 + 4 + 14 + 11);
    EXPECT_EQ(bytes.substr(bytes.size() - 11 - 14 - 4, 6), std::string("\x0E\0\0\0e\0", 6));

    std::string error;
    ASSERT_TRUE(DecodeClinical(bytes, error)) << error;
    EXPECT_FALSE(DecodeClinical(bytes.substr(0, bytes.size() - 1), error));
    std::string unknownClass = bytes;
    unknownClass[quality.size() - 4] = '\x07';
    EXPECT_FALSE(DecodeClinical(unknownClass, error));
    std::string unknownGuideline = bytes;
    unknownGuideline[bytes.size() - 11 - 14] = 'x';
    EXPECT_FALSE(DecodeClinical(unknownGuideline, error));
    EXPECT_NE(error.find("guideline"), std::string::npos) << error;
}

TEST_F(ReportFilesTest, FilesFollowTheBinaryConventions) {
    ReportHeader h;
    h.pages[0] = 1;
    h.title = "Aé";
    const std::string bytes = EncodeHeader(h);
    // Twelve flags, then -1 little-endian for the SpO2 setting.
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x01\x00\x00\x00", 4));
    EXPECT_EQ(bytes.substr(48, 4), std::string("\xFF\xFF\xFF\xFF", 4));
    // Name and ID empty (length 0), then the title: byte length 4, UTF-16LE.
    EXPECT_EQ(bytes.substr(56, 4 + 4 + 8), std::string("\0\0\0\0\0\0\0\0\x04\0\0\0A\0\xE9\0", 16));
    EXPECT_EQ(bytes.size(), 12 * 4 + 2 * 4 + 3 * 4 + 4 + 13 * 4u);

    MeasurementListRecord list;
    Measurement m;
    m.remark = "ok";
    m.valid = 1;
    list.readings = {m};
    const std::string listBytes = EncodeMeasurementList(list);
    // Count, fifteen numbers, the remark by characters (2, not 4), the mark, six numbers.
    EXPECT_EQ(listBytes.substr(4 + 60, 4), std::string("\x02\0\0\0", 4));
    EXPECT_EQ(listBytes[4 + 60 + 4 + 4], '\x01');
    EXPECT_EQ(listBytes.size(), 4 + 60 + 4 + 4 + 1 + 24u);
}

TEST_F(ReportFilesTest, CutShortOrDamagedFilesAreRefusedWithTheirName) {
    ASSERT_TRUE(WriteReportFiles(folder, FullReport()).ok);
    const std::string list = ReadBytes(folder + "/11.rp");

    WriteBytes(folder + "/11.rp", list.substr(0, list.size() - 1));
    ReportReadResult read = ReadReportFiles(folder);
    EXPECT_FALSE(read.data);
    EXPECT_NE(read.error.find("11.rp"), std::string::npos) << read.error;

    WriteBytes(folder + "/11.rp", list + "x");
    EXPECT_FALSE(ReadReportFiles(folder).data);

    // A count of two billion readings in a short file is refused before anything is made.
    WriteBytes(folder + "/11.rp", std::string("\xFF\xFF\xFF\x7F", 4) + list.substr(4));
    read = ReadReportFiles(folder);
    EXPECT_FALSE(read.data);
    EXPECT_NE(read.error.find("count"), std::string::npos) << read.error;
}

TEST_F(ReportFilesTest, ImpossibleTextLengthsAreRefused) {
    std::string error;
    const std::string flags(12 * 4 + 8, '\0');
    // Negative, odd, and longer than the file.
    for (const char* length : {"\xFF\xFF\xFF\xFF", "\x03\0\0\0", "\x00\x10\0\0"}) {
        const std::string bytes = flags + std::string(length, 4) + "A\0B\0";
        EXPECT_FALSE(DecodeHeader(bytes, error)) << error;
        EXPECT_FALSE(error.empty());
    }
    const std::string negative("\xFF\xFF\xFF\xFF", 4);
    ByteReader reader(negative);
    EXPECT_EQ(reader.CharacterString(), "");
    EXPECT_TRUE(reader.failed());
}

TEST_F(ReportFilesTest, AMissingPageIsLeftOutButAMissingHeaderIsNoReport) {
    ASSERT_TRUE(WriteReportFiles(folder, FullReport()).ok);
    std::filesystem::remove(folder + "/8.rp");
    ReportReadResult read = ReadReportFiles(folder);
    ASSERT_TRUE(read.data) << read.error;
    EXPECT_FALSE(read.data->correlation);
    EXPECT_EQ(read.missing, std::vector<std::string>{"8.rp"});

    std::filesystem::remove(folder + "/Report.txt");
    read = ReadReportFiles(folder);
    EXPECT_FALSE(read.data);
    EXPECT_NE(read.error.find(folder), std::string::npos);
}

TEST_F(ReportFilesTest, PagesOfAnEarlierRunDoNotSurvive) {
    ASSERT_TRUE(WriteReportFiles(folder, FullReport()).ok);
    ReportData small;
    small.header.pages[0] = 1;
    small.demographics = DemographicsRecord{};
    ASSERT_TRUE(WriteReportFiles(folder, small).ok);
    EXPECT_TRUE(std::filesystem::exists(folder + "/1.rp"));
    EXPECT_FALSE(std::filesystem::exists(folder + "/2.rp"));
    EXPECT_FALSE(std::filesystem::exists(folder + "/45.rp"));
}

}  // namespace
}  // namespace vitalis
