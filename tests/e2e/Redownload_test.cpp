// Every way a recording comes down opens again, and downloading the same recording a second
// time neither duplicates a reading nor wipes what the clinician entered.
#include <filesystem>
#include <fstream>
#include <map>

#include "E2eFixture.h"
#include "case/CaseEditor.h"

namespace vitalis::test {
namespace {

const HistoryStamp kStamp{{{2026, 7, 2, 9, 0}, 0}, "clinician"};

struct RedownloadE2e : E2eTest {
    bool Compatible(const std::string& path) {
        const ProgramResult run = RunProgram(VITALIS_CLI, {"analyze", path});
        return run.out.find("\"compatible\":true") != std::string::npos ||
               run.out.find("\"compatible\": true") != std::string::npos;
    }
    // The four edits of a clinician, saved: the patient sheet, a physician's comment, a
    // remark and an exclusion.
    void Edit(const std::string& path) {
        vitalis::Recording recording;
        recording.casePath = path;
        ASSERT_TRUE(recording.Load()) << path;
        CaseEditor editor(recording);
        auto sheet = ReadPatientSheet(path);
        ASSERT_TRUE(sheet) << path;
        editor.Begin(*sheet);
        sheet->phone = "0171 2345";
        sheet->clinicalInterpretation = "nocturnal rise, recheck";
        ASSERT_TRUE(editor.SetPatientSheet(*sheet));
        ASSERT_TRUE(editor.SetRemark(1, "cuff loose"));
        ASSERT_TRUE(editor.ToggleExclusion(2));
        ASSERT_TRUE(editor.Save(kStamp));
    }
    void ExpectEdits(const std::string& path) {
        vitalis::Recording recording;
        recording.casePath = path;
        ASSERT_TRUE(recording.Load()) << path;
        const auto sheet = ReadPatientSheet(path);
        ASSERT_TRUE(sheet) << path;
        EXPECT_EQ(sheet->phone, "0171 2345") << path;
        EXPECT_EQ(sheet->clinicalInterpretation, "nocturnal rise, recheck") << path;
        const auto& readings = recording.allMeasurements();
        ASSERT_GT(readings.size(), 2u) << path;
        EXPECT_EQ(readings[1].remark, "cuff loose") << path;
        EXPECT_EQ(readings[2].valid, 0) << path;
    }
    // Readings per file below the case folder.
    std::map<std::string, size_t> Counts() {
        std::map<std::string, size_t> counts;
        for (const std::string& file : CaseFiles())
            if (file.ends_with(".awp")) counts[file] = ReadingsIn(file);
        return counts;
    }
};

TEST_F(RedownloadE2e, EveryWayOpensAndASecondDownloadDuplicatesAndWipesNothing) {
    const std::vector<std::vector<std::string>> monitors{
        {"--serial"},                                      // Heron, monthly files
        {"--serial", "--variant", "34", "--single-file"},  // Heron, one file
        {"--tcp", "0"},                                    // HID generation
        {"--tcp", "0", "--device-type", "3"},              // HID generation, type 3
    };
    for (size_t way = 0; way < monitors.size(); ++way) {
        SCOPED_TRACE(way);
        cases = app.File("cases" + std::to_string(way));
        std::vector<std::string> args = monitors[way];
        // Across a month's end, so a monthly download writes two files.
        args.insert(args.end(), {"--case", Recording({2026, 6, 30, 20, 0}, 20)});
        const std::string link = StartSim(args);
        ASSERT_FALSE(link.empty());
        const std::string log = app.File("wire" + std::to_string(way) + ".log");
        const ProgramResult first = Download(link, {"--retries", "2", "--log", log});
        ASSERT_EQ(first.exitCode, 0) << first.err;
        // The wire log says how the session ended, left-out readings counted.
        std::ifstream logged(log);
        const std::string text((std::istreambuf_iterator<char>(logged)), {});
        EXPECT_NE(text.find("readings left out for want of a valid date: 0"), std::string::npos);
        const auto paths = Lines(first.out);
        ASSERT_FALSE(paths.empty());
        for (const std::string& path : paths) EXPECT_TRUE(Compatible(path)) << path;
        Edit(paths.front());
        const auto before = Counts();

        const ProgramResult again = Download(link, {"--retries", "2"});
        ASSERT_EQ(again.exitCode, 0) << again.err;
        for (const std::string& path : Lines(again.out)) {
            EXPECT_TRUE(Compatible(path)) << path;
            EXPECT_EQ(ReadingsIn(path), before.count(path) ? before.at(path) : 20u / paths.size())
                << path;
        }
        // Every file of the first download holds what it held, edits included.
        for (const auto& [path, count] : before) EXPECT_EQ(ReadingsIn(path), count) << path;
        ExpectEdits(paths.front());
    }
    EXPECT_FALSE(std::filesystem::exists(app.File("VurConfig.ini")));  // nothing changed
}

}  // namespace
// Readings the monitor dates impossibly belong in no month file: they are left out, and the
// wire log's closing note counts them.
TEST_F(RedownloadE2e, ReadingsWithoutAValidDateAreLeftOutAndCountedInTheWireLog) {
    const std::string link = StartSim({"--serial", "--case", Recording({2026, 6, 30, 20, 0}, 8),
                                       "--undated", "3", "--undated", "6"});
    ASSERT_FALSE(link.empty());
    const std::string log = app.File("wire.log");
    const ProgramResult run = Download(link, {"--retries", "2", "--log", log});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::ifstream logged(log);
    const std::string text((std::istreambuf_iterator<char>(logged)), {});
    EXPECT_NE(text.find("readings left out for want of a valid date: 2"), std::string::npos);
    size_t filed = 0;
    for (const std::string& path : Lines(run.out)) {
        EXPECT_TRUE(Compatible(path)) << path;
        EXPECT_FALSE(path.ends_with("/0/0.awp")) << path;
        filed += ReadingsIn(path);
    }
    EXPECT_EQ(filed, 6u);
}

}  // namespace vitalis::test
