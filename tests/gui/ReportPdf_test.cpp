// vitalis-cli report: the report's pages as a PDF without a window, read back as text.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <sstream>

#include "case/ProfileStore.h"
#include "shell/LanguageTable.h"
#include "support/CaseFixtures.h"
#include "support/RunProgram.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

namespace fs = std::filesystem;

constexpr const char* kEveryPage =
    "[INFO]\r\ncurrentReportName=all\r\ncount=3\r\nRP1=all\r\nRP2=short\r\nRP3=trend\r\n"
    "[all]\r\nTitle=\r\nDemographics Page=1\r\nStatistics Page=1\r\nBP Summary Page=1\r\n"
    "Colorized Graph Page=1\r\nBar Graph Page=1\r\nBP Histogram Page=1\r\nBP Pie Page=1\r\n"
    "BP Correlation Page=1\r\nFrequency Histogram Page=1\r\nPR/MAP/PP Histogram Page=1\r\n"
    "Data Page=1\r\nClinical Summary Page=1\r\nHourly Means Page=1\r\n"
    "[short]\r\nTitle=Night study\r\nDemographics Page=1\r\nStatistics Page=1\r\n"
    "BP Summary Page=0\r\nColorized Graph Page=0\r\nBar Graph Page=0\r\nBP Histogram Page=0\r\n"
    "BP Pie Page=0\r\nBP Correlation Page=0\r\nFrequency Histogram Page=0\r\n"
    "PR/MAP/PP Histogram Page=0\r\nData Page=0\r\n"
    "[trend]\r\nTitle=\r\nDemographics Page=0\r\nColorized Graph Page=1\r\nBar Graph Page=0\r\n"
    "BP Histogram Page=0\r\nBP Pie Page=0\r\nData Page=0\r\n";

class ReportPdfTest : public ::testing::Test {
  protected:
    void SetUp() override {
        app.AddShippedLanguages();
        test::WriteBytes(app.File("Report_family.ini"), kEveryPage);
        casePath = app.File("2603010800.awp");
        test::WriteSampleCase(casePath, {2026, 3, 1, 8, 0}, 48);
        ProfileStore(casePath).WriteString("PATIENT DATA", "Gender", "2");
    }
    test::ProgramResult Report(std::vector<std::string> extra) {
        std::vector<std::string> args{"report", casePath, "--pdf", pdf, "--app-dir", app.path()};
        args.insert(args.end(), extra.begin(), extra.end());
        return test::RunProgram(VITALIS_CLI, args);
    }
    // The text of every page, or of one page (counted from 1).
    std::string Text(int page = 0) {
        std::vector<std::string> args{"-layout", pdf, "-"};
        if (page > 0)
            args.insert(args.begin(), {"-f", std::to_string(page), "-l", std::to_string(page)});
        const auto run = test::RunProgram("/usr/bin/pdftotext", args);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return run.out;
    }
    int Pages() {
        const auto run = test::RunProgram("/usr/bin/pdfinfo", {pdf});
        std::smatch m;
        if (!std::regex_search(run.out, m, std::regex(R"(Pages:\s+(\d+))"))) return -1;
        return std::stoi(m[1]);
    }
    test::TempFolder app;
    std::string casePath;
    std::string pdf = app.File("out.pdf");
};

TEST_F(ReportPdfTest, HoldsThePatientThePeriodMeansAndTheNocturnalFall) {
    ASSERT_EQ(Report({"--language", "English"}).exitCode, 0);
    EXPECT_EQ(Text().find("Monitor:"), std::string::npos);  // a fixed address names no monitor
    // A Heron download keeps the monitor's own address: the header names it on every page.
    ProfileStore(casePath).WriteString("PATIENT DATA", "Type", "Heron");
    ProfileStore(casePath).WriteString("PATIENT DATA", "BTH_ADDR", "001A7DDA7113");
    const auto run = Report({"--language", "English"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string text = Text();
    EXPECT_TRUE(std::regex_search(text, std::regex(R"(Monitor: Heron 001A7DDA7113\s+Vitalis V)")));
    EXPECT_NE(text.find("Ambulatory Blood Pressure Report"), std::string::npos);  // empty title
    EXPECT_NE(text.find("Female"), std::string::npos);
    EXPECT_NE(text.find("Nocturnal fall"), std::string::npos);
    EXPECT_TRUE(std::regex_search(text, std::regex(R"(Awake: \d+ readings)"))) << text;
    EXPECT_TRUE(std::regex_search(text, std::regex(R"(SYS\s+\d+\.\d\s+\d+\s+\d+)")));
    EXPECT_NE(text.find("Page 1 of"), std::string::npos);
    EXPECT_EQ(fs::status(pdf).permissions() & fs::perms::others_read, fs::perms::others_read);
}

// Without a layout of the user's, the report opens with the clinician's verdict, then the
// hourly means; "short" was stored before those pages existed and still prints two pages.
TEST_F(ReportPdfTest, TheDefaultLayoutStartsWithTheClinicalSummary) {
    fs::remove(app.File("Report_family.ini"));
    test::WriteSampleCase(casePath, {2026, 3, 1, 8, 0}, 120);  // a night included
    const auto run = Report({"--language", "English", "--guideline", "acc-aha2017"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string first = Text(1);
    EXPECT_NE(first.find("Clinical summary"), std::string::npos) << first;
    EXPECT_NE(first.find("Guideline: ACC/AHA 2017"), std::string::npos) << first;
    EXPECT_TRUE(std::regex_search(first, std::regex(R"(Recording quality: (not )?adequate)")))
        << first;
    EXPECT_TRUE(std::regex_search(
        first, std::regex(R"(Dipping: (reverse dipper|non-dipper|dipper|extreme dipper) \(SYS)")))
        << first;
    EXPECT_TRUE(std::regex_search(first, std::regex(R"(Awake: \d+\.\d/\d+\.\d mmHg)"))) << first;
    const std::string second = Text(2);
    EXPECT_NE(second.find("Hourly means"), std::string::npos) << second;
    EXPECT_TRUE(std::regex_search(second, std::regex(R"(23:00\s+[1-9]\d*\s+\d+\.\d)"))) << second;
    EXPECT_EQ(Text(3).find("Clinical summary"), std::string::npos);
}

TEST_F(ReportPdfTest, PageCountFollowsTheLayout) {
    ASSERT_EQ(Report({}).exitCode, 0);
    const int all = Pages();
    ASSERT_EQ(Report({"--layout", "short"}).exitCode, 0);
    EXPECT_EQ(Pages(), 2);
    // Twelve one-page kinds and the readings' list: one trend page and one list page at least.
    EXPECT_GE(all, 13);
    EXPECT_NE(Text().find("Night study"), std::string::npos);
}

// Up to 26 h on one page; a longer recording a page per 24 h from its first reading, each
// headed with its stretch of time.
TEST_F(ReportPdfTest, ALongRecordingGetsATrendPagePerDay) {
    ASSERT_EQ(Report({"--layout", "trend"}).exitCode, 0);
    EXPECT_EQ(Pages(), 1);
    test::WriteSampleCase(casePath, {2026, 3, 1, 8, 0}, 288);  // 72 h every 15 min
    ASSERT_EQ(Report({"--layout", "trend"}).exitCode, 0);
    EXPECT_EQ(Pages(), 3);
    const std::string text = Text();
    EXPECT_NE(text.find("02-03-2026 08:00 – 03-03-2026 08:00"), std::string::npos) << text;
    EXPECT_EQ(text.find("04-03-2026 08:00 –"), std::string::npos);
}

std::vector<std::string> PagesOf(const std::string& text) {
    std::vector<std::string> pages;
    std::stringstream in(text);
    for (std::string page; std::getline(in, page, '\f');)
        if (!page.empty()) pages.push_back(page);
    return pages;
}

// The pie legend writes the summary's bins the same way: at or below the low bound, above it
// up to the threshold, above the threshold (awake SYS 140, its low bound 100).
TEST_F(ReportPdfTest, ThePieLegendAndTheSummaryWriteTheSameBins) {
    ASSERT_EQ(Report({"--language", "English"}).exitCode, 0);
    std::string summary, pies;
    for (const std::string& page : PagesOf(Text())) {
        if (page.find("Blood pressure summary") != std::string::npos) summary += page;
        if (page.find("Blood pressure pie charts") != std::string::npos) pies += page;
    }
    for (const char* bin : {"≤100", "101-140", ">140"}) {
        EXPECT_NE(summary.find(std::string(bin) + ": "), std::string::npos) << bin;
        EXPECT_NE(pies.find(bin), std::string::npos) << bin;
    }
    EXPECT_EQ(pies.find("Below"), std::string::npos);
}

// Every page carries the test's date in the one form dd-mm-yyyy, and no page another form
// (the trend axis once wrote "2026-3-2").
TEST_F(ReportPdfTest, EveryPageWritesItsDatesTheSameWay) {
    test::WriteSampleCase(casePath, {2026, 3, 1, 8, 0}, 288);
    ASSERT_EQ(Report({"--language", "English"}).exitCode, 0);
    const std::vector<std::string> pages = PagesOf(Text());
    ASSERT_GE(pages.size(), 15u);
    for (size_t i = 0; i < pages.size(); ++i) {
        EXPECT_NE(pages[i].find("01-03-2026"), std::string::npos) << "page " << i + 1;
        EXPECT_FALSE(std::regex_search(pages[i], std::regex(R"(\b\d{4}[-/.]\d{1,2}[-/.]\d{1,2})")))
            << "page " << i + 1 << ":\n"
            << pages[i];
        EXPECT_FALSE(
            std::regex_search(pages[i], std::regex(R"(\b\d-\d{1,2}-\d{4}|\b\d{2}-\d-\d{4})")))
            << "page " << i + 1;
    }
    EXPECT_NE(Text().find("03-03-2026"), std::string::npos);  // a midnight on the trend axis
}

// No English text of the report program's own section that German says differently may be
// left in a German report.
TEST_F(ReportPdfTest, AGermanReportHasNoEnglishTextLeft) {
    ASSERT_EQ(Report({"--language", "German"}).exitCode, 0);
    const std::string text = Text();
    EXPECT_NE(text.find("Seite 1 von"), std::string::npos);
    LanguageTable english(std::string(VITALIS_SOURCE_DIR) + "/res");
    english.ScanLanguages(english.LanguageFolder());
    LanguageTable german(english.applicationDirectory());
    english.SelectLanguageFile("English");
    ASSERT_TRUE(english.LoadLanguage());
    german.ScanLanguages(german.LanguageFolder());
    german.SelectLanguageFile("German");
    ASSERT_TRUE(german.LoadLanguage());
    EXPECT_NE(text.find("Klinische Zusammenfassung"), std::string::npos);
    EXPECT_NE(text.find("Stundenmittelwerte"), std::string::npos);
    for (const char* section : {"Report Setting", "Clinical Setting"}) {
        for (const std::string& key : english.KeyNames(section)) {
            const std::string value = english.GetText(section, key);
            if (value == german.GetText(section, key)) continue;
            // The fixed words before the first %N figure.
            const std::string part = value.substr(0, value.find('%'));
            if (part.size() >= 5) {
                EXPECT_EQ(text.find(part), std::string::npos) << key << ": " << part;
            }
        }
    }
    for (const char* word : {"Page ", "Whole recording", "Readings", "Mean", "Patient name"})
        EXPECT_EQ(text.find(word), std::string::npos) << word;
}

// A diary of a week with sixty events follows the layout's two pages over as many pages as
// it needs, each numbered of the right total, the last event on the last page.
TEST_F(ReportPdfTest, ALongDiaryGoesOnOverNumberedPages) {
    std::string diary = "[DIARY]\r\n";
    for (int n = 1; n <= 7; ++n)
        diary +=
            "Night" + std::to_string(n) + "=2026-03-0" + std::to_string(n) + " 22:30 06:45\r\n";
    for (int e = 0; e < 60; ++e) {
        char line[160];
        std::snprintf(line, sizeof line, "Event%d=2026-03-0%d %02d:10 medication note%02d%s\r\n",
                      e + 1, 1 + e / 10, 8 + e % 10, e,
                      e % 4 == 0 ? " two tablets with breakfast, then a short walk" : "");
        diary += line;
    }
    test::WriteBytes(casePath, test::ReadBytes(casePath) + diary);
    const auto run = Report({"--layout", "short", "--language", "English"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> pages = PagesOf(Text());
    ASSERT_EQ(static_cast<int>(pages.size()), Pages());
    ASSERT_GE(pages.size(), 4u);
    const std::string count = std::to_string(pages.size());
    for (size_t i = 0; i < pages.size(); ++i) {
        EXPECT_NE(pages[i].find("Page " + std::to_string(i + 1) + " of " + count),
                  std::string::npos)
            << pages[i];
        if (i >= 2) {
            EXPECT_NE(pages[i].find("Patient diary"), std::string::npos) << pages[i];
        }
    }
    EXPECT_NE(pages.back().find("note59"), std::string::npos) << pages.back();
    EXPECT_NE(pages[2].find("07-03-2026"), std::string::npos) << pages[2];
    const std::string text = Text();
    for (int e = 0; e < 60; ++e) {
        char note[8];
        std::snprintf(note, sizeof note, "note%02d", e);
        EXPECT_EQ(text.find(note), text.rfind(note)) << note;
        EXPECT_NE(text.find(note), std::string::npos) << note;
    }
}

TEST_F(ReportPdfTest, BadInputIsToldAndLeavesNoFile) {
    const auto missing = test::RunProgram(
        VITALIS_CLI, {"report", app.File("none.awp"), "--pdf", pdf, "--app-dir", app.path()});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_NE(missing.err.find("none.awp"), std::string::npos);
    const auto layout = Report({"--layout", "nosuch"});
    EXPECT_NE(layout.exitCode, 0);
    EXPECT_NE(layout.err.find("nosuch"), std::string::npos);
    const auto guideline = Report({"--guideline", "who1999"});
    EXPECT_NE(guideline.exitCode, 0);
    EXPECT_EQ(Report({"--guideline", "esh2023"}).exitCode, 0);
    fs::remove(pdf);
    pdf = app.File("no-folder/out.pdf");
    const auto unwritable = Report({});
    EXPECT_NE(unwritable.exitCode, 0);
    EXPECT_NE(unwritable.err.find("no-folder/out.pdf"), std::string::npos);
    EXPECT_FALSE(fs::exists(pdf));
    EXPECT_FALSE(fs::exists(app.File("out.pdf")));
    for (const auto& entry : fs::directory_iterator(app.path()))
        EXPECT_EQ(entry.path().filename().string().find(".out.pdf"), std::string::npos);
}

}  // namespace
}  // namespace vitalis
