#include <gtest/gtest.h>

#include <filesystem>

#include "case/ProfileStore.h"
#include "shell/PrinterSettings.h"
#include "shell/ReportExport.h"
#include "shell/ReportFiles.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

namespace fs = std::filesystem;

class ReportExportTest : public ::testing::Test {
  protected:
    test::TempFolder app;
    LanguageTable languages{app.path()};
    AppConfigHeron config{languages};
    Recording recording;
    std::string folder = app.File("TensioStart");

    void SetUp() override {
        config.SetApplicationDirectory(app.path());
        const std::string path = app.File("case.awp");
        test::WriteSampleCase(path, {2026, 3, 1, 8, 0}, 120);
        recording.casePath = path;
        ASSERT_TRUE(recording.Load());
    }

    void Layout(std::initializer_list<int> on) {
        config.reports.current.pages.fill(0);
        config.reports.current.clinicalPages.fill(0);
        for (int page : on) config.reports.current.pages[static_cast<size_t>(page - 1)] = 1;
    }

    std::vector<std::string> FilesInFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(ReportExportTest, DemographicsAndDataPagesWriteOnlyTheirFiles) {
    Layout({1, 11});
    const ReportExportResult result = ExportReport(recording, config);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(FilesInFolder(), (std::vector<std::string>{"1.rp", "11.rp", "Report.txt"}));
    // Either clinical page alone writes the clinical record, under the configured guideline.
    Layout({});
    config.reports.current.clinicalPages[kHourlyMeansPage] = 1;
    config.guideline = "nice2019";
    ASSERT_TRUE(ExportReport(recording, config).ok);
    EXPECT_EQ(FilesInFolder(), (std::vector<std::string>{"Clinical.rp", "Report.txt"}));
    const ReportReadResult read = ReadReportFiles(folder);
    ASSERT_TRUE(read.data && read.data->clinical) << read.error;
    EXPECT_EQ(read.data->clinical->block.guideline.profile->id, "nice2019");
    EXPECT_EQ(read.data->clinical->block.quality.readings, 120);
}

TEST_F(ReportExportTest, BarGraphWithoutColorizedGraphStillWritesTheReadings) {
    // Either trend page also gets the trend options beside the readings.
    Layout({5});
    ASSERT_TRUE(ExportReport(recording, config).ok);
    EXPECT_EQ(FilesInFolder(), (std::vector<std::string>{"45.rp", "Graph.rp", "Report.txt"}));
    Layout({4});
    ASSERT_TRUE(ExportReport(recording, config).ok);
    EXPECT_EQ(FilesInFolder(), (std::vector<std::string>{"45.rp", "Graph.rp", "Report.txt"}));
}

TEST_F(ReportExportTest, AFirstPageThatCannotBeWrittenStopsTheExport) {
    Layout({1, 2, 11});
    fs::create_directories(folder + "/1.rp");  // a folder, not empty, where the file should go
    test::WriteBytes(folder + "/1.rp/kept", "x");
    const ReportExportResult result = ExportReport(recording, config);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find(folder), std::string::npos) << result.message;
    EXPECT_FALSE(fs::exists(folder + "/2.rp"));
    EXPECT_FALSE(fs::exists(folder + "/11.rp"));
    EXPECT_EQ(ProfileStore(config.StartFilePath()).GetString("START", "CasePath", "none"), "none");
}

TEST_F(ReportExportTest, TheReportCarriesTheCaseAndItsAnalysis) {
    config.reports.current.title = "Night study";
    Layout({1, 2, 6, 8, 11, 12});
    ASSERT_TRUE(ExportReport(recording, config).ok);
    EXPECT_EQ(ProfileStore(config.StartFilePath()).GetString("START", "CasePath", ""),
              recording.casePath);

    const ReportReadResult read = ReadReportFiles(folder);
    ASSERT_TRUE(read.data) << read.error;
    const ReportData& d = *read.data;
    EXPECT_EQ(d.header.title, "Night study");
    EXPECT_EQ(d.header.pages[11], 0) << "no SpO2 data in the recording";
    EXPECT_EQ(d.header.spo2Setting, -1);
    EXPECT_EQ(d.header.patientName, "Ada Lovelace");
    EXPECT_EQ(d.header.beginDate, (std::array<int, 3>{2026, 3, 1}));
    EXPECT_EQ(d.header.beginTime, (std::array<int, 4>{8, 0, 0, 0}));
    EXPECT_EQ(d.header.endDate, (std::array<int, 3>{2026, 3, 2}));

    ASSERT_TRUE(d.dataReadings && d.statistics && d.correlation && d.histograms);
    EXPECT_EQ(d.dataReadings->readings.size(), 120u);
    EXPECT_EQ(d.dataReadings->awakeSys, 140);
    const PeriodFigures& whole = d.statistics->periods[0];
    EXPECT_EQ(whole.count, d.demographics->validCount);
    EXPECT_EQ(whole.count + 0, d.statistics->periods[1].count + d.statistics->periods[2].count);
    EXPECT_GE(whole.values[0].max, whole.values[0].mean);
    EXPECT_LE(whole.values[0].min, whole.values[0].mean);
    EXPECT_GT(whole.spread[0].sd, 0.0) << "the report analysis computes the spread";
    const auto& points = d.correlation->chart;
    EXPECT_EQ(static_cast<int>(points.awakePoints.size() + points.asleepPoints.size()),
              whole.count);
    double shares = 0;
    for (double v : d.histograms->periods[0].sys) shares += v;
    EXPECT_NEAR(shares, 1.0, 1e-9);
    EXPECT_FALSE(fs::exists(folder + "/12.rp"));
}

TEST_F(ReportExportTest, HourCountsAndSharesAddUpToThePeriods) {
    Layout({2, 9, 10});
    ASSERT_TRUE(ExportReport(recording, config).ok);
    const ReportReadResult read = ReadReportFiles(folder);
    ASSERT_TRUE(read.data && read.data->frequency && read.data->secondary) << read.error;
    const auto sum = [](const BinnedValues& b) {
        double total = 0;
        for (double v : b.values) total += v;
        return total;
    };
    const auto& periods = read.data->statistics->periods;
    EXPECT_EQ(read.data->frequency->awake.values.size(), 24u);
    EXPECT_EQ(sum(read.data->frequency->awake), periods[1].count);
    EXPECT_EQ(sum(read.data->frequency->asleep), periods[2].count);
    for (const BinnedValues* b :
         {&read.data->secondary->pr, &read.data->secondary->map, &read.data->secondary->pp})
        EXPECT_NEAR(sum(*b), 1.0, 1e-9);
}

TEST_F(ReportExportTest, TheViewsFiguresAreLeftAlone) {
    Layout({2});
    recording.analysis.validCount = 12345;
    ASSERT_TRUE(ExportReport(recording, config).ok);
    EXPECT_EQ(recording.analysis.validCount, 12345);
}

TEST(PrinterSettingsTest, NoSetupEverMadeGivesTheDefaults) {
    test::TempFolder app;
    EXPECT_EQ(ReadPrinterSettings(app.File("Cnf.start")), (PrinterSettings{10, 1, ""}));
}

TEST(PrinterSettingsTest, AChoiceIsKeptBesideTheOtherStartKeys) {
    test::TempFolder app;
    const std::string start = app.File("Cnf.start");
    ProfileStore(start).WriteString("START", "Language", "English");
    const PrinterSettings chosen{9, 2, "Office printer"};
    ASSERT_TRUE(WritePrinterSettings(start, chosen));
    EXPECT_EQ(ReadPrinterSettings(start), chosen);
    EXPECT_EQ(ProfileStore(start).GetString("START", "Language", ""), "English");
}

}  // namespace
}  // namespace vitalis
