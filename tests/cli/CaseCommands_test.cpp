#include <gtest/gtest.h>
#include <unistd.h>
#include <nlohmann/json.hpp>

#include "support/CaseFixtures.h"
#include "support/RunProgram.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using test::RunProgram;
using test::TempFolder;

test::ProgramResult Cli(const std::vector<std::string>& args) {
    return RunProgram(VITALIS_CLI, args);
}

TEST(CliAnalyze, PrintsTheCaseAsJson) {
    TempFolder folder;
    const std::string path = folder.File("2603010800.awp");
    test::WriteSampleCase(path, {2026, 3, 1, 8, 0}, 30);
    const auto result = Cli({"analyze", path});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["file"], path);
    EXPECT_EQ(json["loaded"], true);
    EXPECT_EQ(json["recording"]["patientName"], "Ada Lovelace");
    EXPECT_EQ(json["recording"]["testBegin"], nlohmann::json::parse("[2026,3,1,8,0]"));
    EXPECT_EQ(json["recording"]["recordingEnd"], nlohmann::json::parse("[2026,3,1,15,15]"));
    ASSERT_EQ(json["measurements"].size(), 30u);
    EXPECT_EQ(json["measurements"][5]["status"], 6);
    EXPECT_EQ(json["measurements"][5]["plausible"], false);
    EXPECT_EQ(json["measurements"][0]["plausible"], true);
}

TEST(CliAnalyze, FailedLoadExitsThreeAndCreatesNothing) {
    TempFolder folder;
    const std::string missing = folder.File("missing.awp");
    const auto result = Cli({"analyze", missing});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(nlohmann::json::parse(result.out)["loaded"], false);
    EXPECT_NE(access(missing.c_str(), F_OK), 0);
    EXPECT_EQ(Cli({"analyze"}).exitCode, 2);
    EXPECT_EQ(Cli({"no-such-command"}).exitCode, 2);
}

TEST(CliExportCsv, WritesTheReadingsAndAddsTheExtension) {
    TempFolder folder;
    const std::string path = folder.File("2603010800.awp");
    test::WriteSampleCase(path, {2026, 3, 1, 8, 0}, 3);
    const auto result = Cli({"export-csv", path, folder.File("out")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, folder.File("out.CSV") + "\n");
    const std::string csv = test::ReadBytes(folder.File("out.CSV"));
    EXPECT_NE(csv.find("\n1,08:00,01-03-2026,110,65,55,80,45,0/0,\n"), std::string::npos);
    EXPECT_EQ(Cli({"export-csv", folder.File("nope.awp"), folder.File("x.csv")}).exitCode, 3);
    EXPECT_EQ(Cli({"export-csv", path, folder.File("no/folder/x.csv")}).exitCode, 1);
}

}  // namespace
}  // namespace vitalis
