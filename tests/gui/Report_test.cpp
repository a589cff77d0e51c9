#include <gtest/gtest.h>
#include <QEventLoop>
#include <QPrinter>
#include <QTimer>
#include <QWidget>

#include <filesystem>
#include <regex>

#include "case/ProfileStore.h"
#include "shell/AppConfig.h"
#include "shell/CommandTable.h"
#include "shell/PrinterSettings.h"
#include "shell/ReportExport.h"
#include "shell/ReportGraphRecord.h"
#include "shell/ReportHandOffFolder.h"
#include "shell/gui/CMainFrameHeron.h"
#include "shell/gui/CTensioDoc.h"
#include "shell/gui/PrinterChoice.h"
#include "shell/gui/ReportLauncher.h"
#include "shell/gui/Workstation.h"
#include "support/CaseFixtures.h"
#include "support/RunProgram.h"
#include "support/TempFolder.h"
#include "views/CTensioView.h"

namespace vitalis {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

class ReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        config.SetApplicationDirectory(app.path());
        const std::string path = app.File("case.awp");
        test::WriteSampleCase(path, {2026, 3, 1, 8, 0}, 120);
        recording.casePath = path;
        ASSERT_TRUE(recording.Load());
        window.show();
    }
    UserMessages Recorded() {
        return {[this](QWidget*, const QString& text) { told.push_back(text); },
                [](QWidget*, const QString&) { return true; }};
    }
    // A stand-in for the report program that ends as soon as it starts.
    QString QuickProgram() {
        const std::string path = app.File("quick-report");
        test::WriteBytes(path, "#!/bin/sh\nexit 0\n");
        fs::permissions(path, fs::perms::owner_all);
        return QString::fromStdString(path);
    }

    TempFolder app;
    LanguageTable languages{app.path()};
    AppConfigHeron config{languages};
    Recording recording;
    QWidget window;
    std::vector<QString> told;
};

// Waits for the report program to end; the timer only stops a program that hangs.
bool WaitForReportEnd(ReportLauncher& launcher) {
    bool ended = false;
    QEventLoop loop;
    QObject::connect(&launcher, &ReportLauncher::reportEnded, &loop, [&] {
        ended = true;
        loop.quit();
    });
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    return ended;
}

TEST_F(ReportTest, TheWindowHidesWhileTheReportRunsAndReturnsWhenItEnds) {
    ReportLauncher launcher(config, Recorded(), &window);
    launcher.SetProgramPath(QuickProgram());
    ASSERT_TRUE(launcher.Start(recording));
    EXPECT_TRUE(window.isHidden());
    EXPECT_TRUE(fs::exists(ReportHandOffFolder(app.path()) + "/Report.txt"));
    ASSERT_TRUE(WaitForReportEnd(launcher));
    EXPECT_FALSE(window.isHidden());
    EXPECT_FALSE(launcher.running());
    EXPECT_TRUE(told.empty());
}

TEST_F(ReportTest, TheReportCommandNeedsAnOpenCaseAndHidesTheMainWindow) {
    Workstation station(config, Recorded());
    station.Start({});
    station.frame().show();
    station.report().SetProgramPath(QuickProgram());
    EXPECT_FALSE(station.frame().Action(command::kReport)->isEnabled());
    EXPECT_TRUE(station.frame().Action(command::kPrinterSetup)->isEnabled());
    station.Run(command::kReport);
    EXPECT_FALSE(fs::exists(ReportHandOffFolder(app.path())));

    ASSERT_TRUE(station.OpenCase(QString::fromStdString(recording.casePath)));
    EXPECT_TRUE(station.frame().Action(command::kReport)->isEnabled());
    station.Run(command::kReport);
    EXPECT_TRUE(station.frame().isHidden());
    EXPECT_EQ(ProfileStore(config.StartFilePath()).GetString("START", "CasePath", ""),
              recording.casePath);
    ASSERT_TRUE(WaitForReportEnd(station.report()));
    EXPECT_FALSE(station.frame().isHidden());
    station.Exit();
    EXPECT_FALSE(fs::exists(ReportHandOffFolder(app.path())));
}

// Printed as shown on screen, the report gets the day the screen's trend shows; otherwise
// the screen's zoom stays on the screen.
TEST_F(ReportTest, TheReportCommandHandsOverTheScreensTrendWindowOnlyWhenAsked) {
    Workstation station(config, Recorded());
    station.Start({});
    station.report().SetProgramPath(QuickProgram());
    ASSERT_TRUE(station.OpenCase(QString::fromStdString(recording.casePath)));
    TrendZoom& zoom = station.view().trend().zoom();
    zoom.SetWhole({MinutesOf(recording.allMeasurements().front().Clock()),
                   MinutesOf(recording.allMeasurements().back().Clock())});
    zoom.ShowDay(1);
    ASSERT_TRUE(zoom.part());
    const std::string graphFile = ReportHandOffFolder(app.path()) + "/Graph.rp";
    const auto handedOver = [&] {
        std::string error;
        return DecodeGraph(test::ReadBytes(graphFile), error);
    };
    config.reports.current.pages[3] = 1;
    config.reports.current.graph = {GraphType::Strip, true, 12};
    station.Run(command::kReport);
    ASSERT_TRUE(WaitForReportEnd(station.report()));
    auto graph = handedOver();
    ASSERT_TRUE(graph);
    EXPECT_EQ(graph->options, config.reports.current.graph);
    ASSERT_TRUE(graph->screenWindow);
    EXPECT_EQ(graph->screenWindow->first, zoom.part()->first);
    EXPECT_EQ(graph->screenWindow->last, zoom.part()->last);

    config.reports.current.graph.sameDisplay = false;
    station.Run(command::kReport);
    ASSERT_TRUE(WaitForReportEnd(station.report()));
    graph = handedOver();
    ASSERT_TRUE(graph);
    EXPECT_FALSE(graph->screenWindow);
    EXPECT_TRUE(told.empty());
}

TEST_F(ReportTest, AMissingReportProgramIsToldAndTheWindowStays) {
    ReportLauncher launcher(config, Recorded(), &window);
    launcher.SetProgramPath(QString::fromStdString(app.File("no-such-program")));
    EXPECT_FALSE(launcher.Start(recording));
    EXPECT_FALSE(window.isHidden());
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].contains(QStringLiteral("no-such-program"))) << told[0].toStdString();
}

TEST_F(ReportTest, AReportThatCannotBeWrittenNamesTheFolderAndStartsNothing) {
    config.reports.current.pages.fill(0);
    config.reports.current.pages[0] = 1;
    fs::create_directories(ReportHandOffFolder(app.path()) + "/1.rp");
    test::WriteBytes(ReportHandOffFolder(app.path()) + "/1.rp/kept", "x");
    ReportLauncher launcher(config, Recorded(), &window);
    launcher.SetProgramPath(QuickProgram());
    EXPECT_FALSE(launcher.Start(recording));
    EXPECT_FALSE(launcher.running());
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].contains(QString::fromStdString(ReportHandOffFolder(app.path()))));
}

TEST_F(ReportTest, PrinterSetupStartsFromTheStoredChoiceAndKeepsAConfirmedOne) {
    ReportLauncher launcher(config, Recorded(), &window);
    std::vector<PrinterSettings> shown;
    bool confirm = false;
    launcher.SetPageSetupQuestion([&](QPrinter& printer, QWidget*) {
        shown.push_back(PrinterSettingsOf(printer, {10, 1, ""}));
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageOrientation(QPageLayout::Landscape);
        return confirm;
    });
    launcher.PrinterSetup();  // cancelled: nothing stored
    EXPECT_FALSE(ProfileStore(config.StartFilePath()).HasKey("START", "PaperSize"));
    confirm = true;
    launcher.PrinterSetup();
    // The printer name is whatever the system offers; paper and orientation are ours.
    const PrinterSettings stored = ReadPrinterSettings(config.StartFilePath());
    EXPECT_EQ(stored.paperSize, 1);
    EXPECT_EQ(stored.orientation, 2);
    launcher.PrinterSetup();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].paperSize, 10);
    EXPECT_EQ(shown[0].orientation, 1);
    EXPECT_EQ(shown[2].paperSize, 1);
    EXPECT_EQ(shown[2].orientation, 2);
}

TEST(PrinterChoiceTest, TheStoredChoiceSurvivesThePrinter) {
    for (const PrinterSettings& settings :
         {PrinterSettings{10, 1, ""}, PrinterSettings{9, 2, ""}, PrinterSettings{1, 1, ""}}) {
        QPrinter printer;
        printer.setPrinterName({});
        ApplyPrinterSettings(printer, settings);
        EXPECT_EQ(PrinterSettingsOf(printer, settings), settings);
    }
    QPrinter printer;
    ApplyPrinterSettings(printer, {10, 1, ""});
    printer.setPageSize(QPageSize(QPageSize::Letter));
    EXPECT_EQ(PrinterSettingsOf(printer, {10, 1, ""}).paperSize, 1);
}

#ifdef VITALIS_REPORT
int PdfPageCount(const std::string& bytes) {
    const std::regex page(R"(/Type\s*/Page[^s])");
    return static_cast<int>(std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), page),
                                          std::sregex_iterator()));
}

TEST_F(ReportTest, TheReportProgramWritesEveryPageAsPdf) {
    config.reports.current.title = "Night study";
    config.reports.current.pages = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0};
    ASSERT_TRUE(ExportReport(recording, config).ok);
    const std::string pdf = app.File("report.pdf");
    const auto run = test::RunProgram(
        VITALIS_REPORT, {ReportHandOffFolder(app.path()), "--pdf", pdf, "--app-dir", app.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string bytes = test::ReadBytes(pdf);
    ASSERT_EQ(bytes.substr(0, 5), "%PDF-");
    // The clinical summary and the hourly means (through their own hand-off file); 30 h of
    // readings: two days of both trends, histograms and pies two periods to a page, six
    // one-page kinds; then 120 readings at 43 rows to an A4 page.
    EXPECT_EQ(PdfPageCount(bytes), 2 + 4 * 2 + 6 + 3);
}

TEST_F(ReportTest, TheReportProgramPrintsOnTheChosenPaper) {
    config.reports.current.pages = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    config.reports.current.clinicalPages = {0, 0};
    ASSERT_TRUE(ExportReport(recording, config).ok);
    ASSERT_TRUE(WritePrinterSettings(config.StartFilePath(), {1, 2, ""}));  // Letter, landscape
    const std::string pdf = app.File("report.pdf");
    const auto run = test::RunProgram(
        VITALIS_REPORT, {ReportHandOffFolder(app.path()), "--pdf", pdf, "--app-dir", app.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string bytes = test::ReadBytes(pdf);
    EXPECT_TRUE(
        std::regex_search(bytes, std::regex(R"(/MediaBox\s*\[0 0 792(\.0+)? 612(\.0+)?\])")));
    EXPECT_EQ(PdfPageCount(bytes), 1);
}

TEST_F(ReportTest, TheReportProgramRefusesADamagedHandOff) {
    config.reports.current.pages = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0};
    ASSERT_TRUE(ExportReport(recording, config).ok);
    const std::string list = ReportHandOffFolder(app.path()) + "/11.rp";
    test::WriteBytes(list, test::ReadBytes(list).substr(0, 100));
    const std::string pdf = app.File("report.pdf");
    const auto run = test::RunProgram(
        VITALIS_REPORT, {ReportHandOffFolder(app.path()), "--pdf", pdf, "--app-dir", app.path()});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.find("11.rp"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(pdf));
}
#endif

}  // namespace
}  // namespace vitalis
