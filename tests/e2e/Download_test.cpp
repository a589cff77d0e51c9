#include <filesystem>
#include <fstream>

#include "E2eFixture.h"

namespace vitalis::test {
namespace {

using DownloadE2e = E2eTest;

TEST_F(DownloadE2e, HeronSplitFilesAcrossAMonthBoundary) {
    // Ten readings from 22:15 on the 31st of March: seven in March, three in April.
    const std::string link = StartSim({"--serial", "--case", Recording({2026, 3, 31, 22, 15}, 10)});
    ASSERT_FALSE(link.empty());
    const ProgramResult run = Download(link);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const auto paths = Lines(run.out);
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_EQ(paths[0], cases + "/Blood pressure/2026/3.awp");
    EXPECT_EQ(paths[1], cases + "/Blood pressure/2026/4.awp");
    EXPECT_EQ(ReadingsIn(paths[0]), 7u);
    EXPECT_EQ(ReadingsIn(paths[1]), 3u);
    EXPECT_NE(run.err.find("Download complete. Saved:"), std::string::npos);
}

TEST_F(DownloadE2e, ACaseFolderThatCannotTakeFilesStopsTheDownloadBeforeItStarts) {
    std::filesystem::create_directories(std::filesystem::path(cases).parent_path());
    std::ofstream(cases) << "a file where the case folder should be";
    const std::string log = cases + ".log";
    const ProgramResult run = Download("tcp:127.0.0.1:9", {"--log", log});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("cannot write case files into " + cases), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(log));  // no session was opened
}

TEST_F(DownloadE2e, HeronOneFileWithTheClosingHeaderExchange) {
    const std::string link = StartSim({"--serial", "--variant", "34", "--single-file", "--case",
                                       Recording({2026, 5, 31, 23, 0}, 8)});
    ASSERT_FALSE(link.empty());
    const std::string log = app.File("wire.log");
    const ProgramResult run = Download(link, {"--log", log});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const auto paths = Lines(run.out);
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_TRUE(paths[0].starts_with(cases + "/User 1/")) << paths[0];
    EXPECT_EQ(ReadingsIn(paths[0]), 8u);  // across the month's end, still one file
    std::ifstream in(log);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(text.find("> 54\n"), std::string::npos);  // "T"
    vitalis::Recording saved;
    saved.casePath = paths[0];
    saved.Load();
    EXPECT_EQ(saved.patient.name, "Ada Lovelace");
}

TEST_F(DownloadE2e, HeronFirstReplyFormOneFileWithoutTheExchange) {
    const std::string link =
        StartSim({"--serial", "--single-file", "--case", Recording({2026, 5, 1, 9, 0}, 4)});
    const std::string log = app.File("wire.log");
    const ProgramResult run = Download(link, {"--log", log});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(Lines(run.out).size(), 1u);
    EXPECT_EQ(ReadingsIn(Lines(run.out)[0]), 4u);
    std::ifstream in(log);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text.find("> 54\n"), std::string::npos);
}

TEST_F(DownloadE2e, APatientNameArrivesAsTheMonitorWasProgrammedWithIt) {
    const std::string name = "J\xC3\xBCrgen M\xC3\xB6\xC3\x9F";  // "Jürgen Möß"
    const std::vector<std::vector<std::string>> monitors{{"--serial"}, {"--tcp", "0"}};
    for (std::vector<std::string> args : monitors) {
        args.insert(args.end(), {"--case", Recording({2026, 5, 1, 9, 0}, 3, name)});
        const std::string link = StartSim(args);
        const ProgramResult run = Download(link);
        ASSERT_EQ(run.exitCode, 0) << link << run.err;
        vitalis::Recording saved;
        saved.casePath = Lines(run.out).at(0);
        ASSERT_TRUE(saved.Load());
        EXPECT_EQ(saved.patient.name, name) << link;
    }
}

TEST_F(DownloadE2e, HidGenerationDataSetOneOverTcp) {
    const std::string link = StartSim({"--tcp", "0", "--case", Recording({2026, 2, 3, 8, 30}, 6)});
    ASSERT_FALSE(link.empty());
    const ProgramResult run = Download(link);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(Lines(run.out), std::vector<std::string>{cases + "/2602030830.awp"});
    EXPECT_EQ(ReadingsIn(Lines(run.out)[0]), 6u);
    EXPECT_NE(run.err.find("The recording was saved as:"), std::string::npos);
}

TEST_F(DownloadE2e, HidGenerationDataSetsOneAndThreeOverTcp) {
    const std::string link =
        StartSim({"--tcp", "0", "--single-user", "2", "--case", Recording({2026, 2, 3, 8, 30}, 5)});
    const ProgramResult run = Download(link);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const auto paths = Lines(run.out);
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_TRUE(paths[0].starts_with(cases + "/Vitalis/")) << paths[0];
    EXPECT_TRUE(paths[1].starts_with(cases + "/Vitalis/User1/")) << paths[1];
    EXPECT_EQ(ReadingsIn(paths[0]), 5u);
    EXPECT_EQ(ReadingsIn(paths[1]), 2u);
}

TEST_F(DownloadE2e, NoMonitorIsAskedAboutAsOftenAsRetriesAllow) {
    const ProgramResult once = Download("serial:" + app.File("no-such-port"));
    EXPECT_EQ(once.exitCode, 1);
    EXPECT_TRUE(once.out.empty());
    const std::string question = "The monitor could not be reached.";
    EXPECT_NE(once.err.find(question), std::string::npos);
    const ProgramResult twice = Download("serial:" + app.File("no-such-port"), {"--retries", "1"});
    EXPECT_NE(twice.err.find(question), twice.err.rfind(question));
    EXPECT_TRUE(CaseFiles().empty());
}

TEST_F(DownloadE2e, UsageErrorsExitTwo) {
    EXPECT_EQ(Cli({"download"}).exitCode, 2);
    EXPECT_EQ(Cli({"download", "--link", "carrier-pigeon"}).exitCode, 2);
    EXPECT_EQ(Cli({"download", "--link", "usb", "--retries", "many"}).exitCode, 2);
}

}  // namespace
}  // namespace vitalis::test
