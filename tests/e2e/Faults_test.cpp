#include "E2eFixture.h"

namespace vitalis::test {
namespace {

// The faults hit every line, the identification probe's too, each counted from the start of
// its line; whichever line a fault stops, a retry meets it again on a fresh line. So the
// sessions here may retry.
//
// What the monitor sends on a line: the open reply (6 bytes), the address (8), the header
// (73), the count (6), then 22 bytes per reading.
constexpr int kReadingsStart = 6 + 8 + 73 + 6;
constexpr int kReading = 22;

struct FaultsE2e : E2eTest {
    std::string Monitor(std::vector<std::string> faults) {
        std::vector<std::string> args{"--link", app.File("monitor"), "--case",
                                      Recording({2026, 7, 1, 8, 0}, 6)};
        args.insert(args.end(), faults.begin(), faults.end());
        return StartSim(args).empty() ? std::string() : "serial:" + app.File("monitor");
    }
    ProgramResult DownloadRetrying(const std::string& link) {
        return Download(link, {"--retries", "3"});
    }
    void ExpectNothingSaved(const ProgramResult& run) {
        EXPECT_EQ(run.exitCode, 1) << run.err;
        EXPECT_TRUE(run.out.empty());
        EXPECT_TRUE(CaseFiles().empty());
    }
};

TEST_F(FaultsE2e, AMonitorThatStopsAnsweringSavesNothingAndSaysHowFarItGot) {
    const auto link = Monitor({"--silent-after", std::to_string(kReadingsStart + 3 * kReading)});
    const ProgramResult run = DownloadRetrying(link);
    ExpectNothingSaved(run);
    EXPECT_NE(run.err.find("Readings arrived/announced:\n3/6\n"), std::string::npos) << run.err;
}

TEST_F(FaultsE2e, ADroppedLineSavesNothing) {
    // A pseudo-terminal loses what was still on its way when it hangs up, so the monitor is
    // never even identified.
    const auto link = Monitor({"--drop-after", std::to_string(kReadingsStart + 2 * kReading)});
    const ProgramResult run = DownloadRetrying(link);
    ExpectNothingSaved(run);
    // Whether the hang-up is seen while identifying, while opening or once the data phase began
    // depends on timing; each way the user hears what went wrong.
    const bool told =
        run.err.find("The monitor could not be reached.") != std::string::npos ||
        run.err.find("The monitor did not answer.") != std::string::npos ||
        run.err.find("No readings were received from the monitor.") != std::string::npos;
    EXPECT_TRUE(told) << run.err;
}

TEST_F(FaultsE2e, ASocketDroppedBetweenRecordsSavesNothingAndSaysHowFarItGot) {
    // Identify 5, session start 7, settings 4 + 82, data set 1 4 + 14, two records of 12.
    const std::string link = StartSim({"--tcp", "0", "--drop-after", std::to_string(140), "--case",
                                       Recording({2026, 7, 1, 8, 0}, 6)});
    const ProgramResult run = Download(link);
    ExpectNothingSaved(run);
    EXPECT_NE(run.err.find("Readings arrived/announced:\n2/6\n"), std::string::npos) << run.err;
}

TEST_F(FaultsE2e, JunkBetweenPacketsIsSkipped) {
    const auto link = Monitor({"--junk-at", std::to_string(kReadingsStart + kReading)});
    const ProgramResult run = DownloadRetrying(link);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(Lines(run.out).size(), 1u);
    EXPECT_EQ(ReadingsIn(Lines(run.out)[0]), 6u);
}

TEST_F(FaultsE2e, AShortStallBetweenReadingsIsWaitedFor) {
    const auto link =
        Monitor({"--stall-at", std::to_string(kReadingsStart + 4 * kReading), "--stall-ms", "800"});
    const ProgramResult run = DownloadRetrying(link);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(Lines(run.out).size(), 1u);
    EXPECT_EQ(ReadingsIn(Lines(run.out)[0]), 6u);
}

}  // namespace
}  // namespace vitalis::test
