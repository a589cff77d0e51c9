#include <gtest/gtest.h>

#include <filesystem>

#include "case/ProfileStore.h"
#include "shell/AppConfig.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using test::WriteBytes;

class CollectedMessages final : public MessageSink {
  public:
    void ShowMessage(std::string_view text) override { texts.emplace_back(text); }
    std::vector<std::string> texts;
};

ReportLayout Pages(std::initializer_list<int> on, std::string title = {}) {
    ReportLayout layout;
    layout.title = std::move(title);
    for (int page : on) layout.pages[page - 1] = 1;
    return layout;
}

class ReportLayoutsTest : public ::testing::Test {
  protected:
    test::TempFolder app;
    LanguageTable languages{app.path()};
    AppConfigHeron config{languages};
    CollectedMessages messages;
    std::string file = app.File("Report_family.ini");

    void SetUp() override {
        std::filesystem::create_directories(app.File("Language"));
        WriteBytes(app.File("Language/English.lng"), "[Title]\r\nIDS_TITLE_RPT=ABPM report\r\n");
        config.SetApplicationDirectory(app.path());
        config.SetMessageSink(messages);
        config.Load();
        languages.LoadLanguage();
    }
    ProfileStore Stored() { return ProfileStore(file, ProfileOpen::ExistingOnly); }
    // The layouts as the next run of the workstation finds them.
    ReportLayouts Restarted() {
        AppConfigHeron restarted(languages);
        restarted.SetApplicationDirectory(app.path());
        restarted.LoadReports();
        return restarted.reports;
    }
    // A new layout as the editor's OK stores it.
    void AddLayout(const std::string& name, const ReportLayout& layout) {
        config.reports.edited = layout;
        ASSERT_TRUE(config.AddReportSection(name));
        ASSERT_TRUE(config.SaveReportSection(name));
    }
};

TEST_F(ReportLayoutsTest, TitlesAndPagesAtStartUp) {
    ASSERT_TRUE(config.LoadReports());  // no file yet
    ReportLayout fresh = Pages({1, 5, 6, 7, 11}, "ABPM report");
    fresh.clinicalPages = {1, 1};
    EXPECT_EQ(config.reports.current, fresh);

    WriteBytes(file,
               "[INFO]\r\ncurrentReportName=Short\r\n[Short]\r\nStatistics Page=1\r\n"
               "Spo2 Page=1\r\n");
    config.LoadReports();
    // The SpO2 page is not read at start-up; a layout stored before the clinical pages
    // existed still prints exactly what it printed.
    EXPECT_EQ(config.reports.current, Pages({1, 2, 5, 6, 7, 11}, "Blood Pressure Report"));
    AppConfig base(languages);
    base.SetApplicationDirectory(app.path());
    base.LoadReports();
    EXPECT_EQ(base.reports.current.title, "Ambulatory Blood Pressure Report");
    EXPECT_TRUE(messages.texts.empty());
    // Written back, it keeps its pages and says so for the clinical ones.
    ASSERT_TRUE(config.SaveReports());
    EXPECT_EQ(Stored().GetString("Short", "Clinical Summary Page", "?"), "0");
    EXPECT_EQ(Stored().GetString("Short", "Statistics Page", "?"), "1");
    config.reports.edited = Pages({2});
    config.reports.edited.clinicalPages = {1, 0};
    ASSERT_TRUE(config.SaveReportSection("Short"));
    EXPECT_EQ(Restarted().current.clinicalPages, (std::array<int, 2>{1, 0}));
}

TEST_F(ReportLayoutsTest, GraphOptionsAreKeptPerLayoutAndDefaultWhenAbsent) {
    // A layout stored before the graph options: line graph, whole recording, automatic.
    WriteBytes(file,
               "[INFO]\r\ncurrentReportName=Old\r\ncount=2\r\nRP1=Old\r\nRP2=Odd\r\n"
               "[Old]\r\nTitle=Old report\r\nData Page=1\r\n"
               "[Odd]\r\nGraph Type=7\r\nSame Display=5\r\nGraph Scale=36\r\n");
    ASSERT_TRUE(config.LoadReports());
    EXPECT_EQ(config.reports.current.graph, ReportGraphOptions{});
    EXPECT_EQ(config.reports.current, Pages({1, 5, 6, 7, 11}, "Old report"));
    // Unknown stored values read as the defaults; any other number as a ticked box.
    ASSERT_TRUE(config.LoadReportSection("Odd"));
    EXPECT_EQ(config.reports.edited.graph, (ReportGraphOptions{GraphType::Line, true, 0}));

    ReportLayout strip = Pages({4}, "Strips");
    strip.graph = {GraphType::Strip, true, 12};
    AddLayout("Strips", strip);
    const ProfileStore stored = Stored();
    EXPECT_EQ(stored.GetString("Strips", "Graph Type", "?"), "1");
    EXPECT_EQ(stored.GetString("Strips", "Same Display", "?"), "1");
    EXPECT_EQ(stored.GetString("Strips", "Graph Scale", "?"), "12");
    ASSERT_TRUE(config.LoadReportSection("Strips"));
    EXPECT_EQ(config.reports.edited.graph, strip.graph);
    ASSERT_TRUE(config.SetCurReportSettings("Strips"));
    ASSERT_TRUE(config.SaveReports());
    EXPECT_EQ(Restarted().current.graph, strip.graph);
    // The old layout, saved again, says what it prints.
    ASSERT_TRUE(config.LoadReportSection("Old"));
    ASSERT_TRUE(config.SaveReportSection("Old"));
    EXPECT_EQ(Stored().GetString("Old", "Graph Scale", "?"), "0");

    ASSERT_TRUE(config.ResetDefaults());
    EXPECT_EQ(config.reports.current.graph, ReportGraphOptions{});
    EXPECT_EQ(config.reports.edited.graph, ReportGraphOptions{});
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ReportLayoutsTest, TheListSurvivesEvenWithoutACurrentLayout) {
    WriteBytes(file,
               "[INFO]\r\ncurrentReportName=\r\ncount=2000000000\r\nRP1=Short\r\nRP2=\r\n"
               "RP3=short\r\nRP4=Full\r\n");
    config.LoadReports();
    EXPECT_EQ(config.reports.names, (std::vector<std::string>{"Short", "Full"}));
    config.SaveReports();
    EXPECT_EQ(Restarted().names, config.reports.names);
}

TEST_F(ReportLayoutsTest, EditingOneLayoutNeverChangesTheCurrentOne) {
    config.LoadReports();
    AddLayout("Cardiology", Pages({1, 2, 11}, "Cardiology ABPM"));
    AddLayout("Short", Pages({1}, "Short report"));
    EXPECT_EQ(Stored().GetString("INFO", "RP2", ""), "Short");
    EXPECT_EQ(Stored().KeyNames("Cardiology").size(), 18u);
    ASSERT_TRUE(config.SetCurReportSettings("Short"));
    EXPECT_EQ(config.reports.current, Pages({1}, "Short report"));

    ASSERT_TRUE(config.LoadReportSection("Cardiology"));
    EXPECT_EQ(config.reports.edited, Pages({1, 2, 11}, "Cardiology ABPM"));
    config.reports.edited.pages[7] = 1;
    ASSERT_TRUE(config.SaveReportSection("Cardiology"));
    EXPECT_EQ(config.reports.current, Pages({1}, "Short report"));
    config.SaveReports();
    EXPECT_EQ(Stored().GetInt("Short", "Data Page", 1), 0);

    // Editing the current layout takes effect at once and after a restart.
    config.LoadReportSection("Short");
    config.reports.edited.title = "Brief";
    config.SaveReportSection("Short");
    EXPECT_EQ(config.reports.current.title, "Brief");
    const ReportLayouts restarted = Restarted();
    EXPECT_EQ(restarted.currentName, "Short");
    EXPECT_EQ(restarted.current, Pages({1}, "Brief"));
    EXPECT_EQ(restarted.names, config.reports.names);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ReportLayoutsTest, DeletingRemovesTheSectionAndRenumbersTheList) {
    config.LoadReports();
    AddLayout("A", Pages({1}));
    AddLayout("B", Pages({2}));
    AddLayout("C", Pages({3}));
    config.SetCurReportSettings("B");
    ASSERT_TRUE(config.DeleteReportSection("b"));
    EXPECT_EQ(config.reports.names, (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(config.reports.current.title, "ABPM report");
    const ProfileStore stored = Stored();
    EXPECT_TRUE(stored.KeyNames("B").empty());
    EXPECT_EQ(stored.GetString("INFO", "currentReportName", "x"), "");
    EXPECT_EQ(stored.GetString("INFO", "RP2", ""), "C");
    EXPECT_FALSE(stored.HasKey("INFO", "RP3"));
}

TEST_F(ReportLayoutsTest, FailuresAreReportedAndLeaveMemoryAsItWas) {
    config.LoadReports();
    AddLayout("A", Pages({1}, "First"));
    config.SetCurReportSettings("A");
    const ReportLayouts before = config.reports;
    EXPECT_FALSE(config.DeleteReportSection("missing"));
    EXPECT_FALSE(config.AddReportSection("a"));  // the file does not tell letter case apart
    EXPECT_FALSE(config.AddReportSection("INFO"));
    EXPECT_FALSE(config.LoadReportSection(""));
    // A folder where the file should be cannot be replaced, whoever runs the test.
    std::filesystem::remove(file);
    std::filesystem::create_directories(file + "/blocked");
    EXPECT_FALSE(config.AddReportSection("B"));
    EXPECT_FALSE(config.DeleteReportSection("A"));
    EXPECT_FALSE(config.SetCurReportSettings(""));
    EXPECT_FALSE(config.SaveReports());
    EXPECT_EQ(messages.texts, (std::vector<std::string>{
                                  "Error in DeleteReportSection!", "Error in AddReportSection!",
                                  "Error in AddReportSection!", "Error in LoadReportSection!",
                                  "Error in AddReportSection!", "Error in DeleteReportSection!",
                                  "Error in SetCurReportSettings!", "Error in SaveReports!"}));
    EXPECT_EQ(config.reports.names, before.names);
    EXPECT_EQ(config.reports.currentName, "A");
    EXPECT_EQ(config.reports.current, before.current);
}

TEST(LayoutEditor, RefusesEmptyPagesUnusableNamesAndDuplicates) {
    const std::vector<std::string> existing{"Cardiology", "Short"};
    const ReportLayout some = Pages({11});
    EXPECT_EQ(RefuseLayoutEdit(ReportLayout(), "New", true, existing), "IDS_REPOET_PAGE");
    EXPECT_EQ(RefuseLayoutEdit(some, TrimLayoutName("  \t"), true, existing), "IDS_SPECIFY_FILE");
    EXPECT_EQ(RefuseLayoutEdit(some, TrimLayoutName(" short "), true, existing),
              "IDS_DUPLICATE_FORMAT");
    EXPECT_EQ(RefuseLayoutEdit(some, "Info", true, existing), "IDS_SPECIFY_FILE");
    EXPECT_EQ(RefuseLayoutEdit(some, "Ward [3]", true, existing), "IDS_SPECIFY_FILE");
    EXPECT_EQ(RefuseLayoutEdit(some, "Short", false, existing), "");
    EXPECT_EQ(RefuseLayoutEdit(some, "Night shift", true, existing), "");
}

}  // namespace
}  // namespace vitalis
