#include <nlohmann/json.hpp>

#include "E2eFixture.h"

namespace vitalis::test {
namespace {

using Json = nlohmann::ordered_json;
struct RecordingsE2e : E2eTest {
    // The case commands need no application folder.
    static ProgramResult Case(const std::vector<std::string>& args) {
        return RunProgram(VITALIS_CLI, args);
    }
};

// A night's recording downloaded over a serial line lands in the month's file, which the
// analysis treats as a collection of tests. Picked out again, the test gives the same awake
// and asleep figures as the recording the monitor held, analysed as a case of its own.
TEST_F(RecordingsE2e, ATestPickedFromTheMonthsFileIsAnalysedAsItsOwnCase) {
    const std::string held = Recording({2026, 3, 10, 20, 0}, 60);  // 20:00 to 10:45
    const std::string link = StartSim({"--serial", "--case", held});
    ASSERT_FALSE(link.empty());
    const ProgramResult download = Download(link);
    ASSERT_EQ(download.exitCode, 0) << download.err;
    ASSERT_EQ(Lines(download.out).size(), 1u);
    const std::string month = Lines(download.out)[0];

    const ProgramResult list = Case({"recordings", month});
    ASSERT_EQ(list.exitCode, 0) << list.err;
    const Json runs = Json::parse(list.out);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0]["begin"], Json::parse("[2026,3,10,20,0]"));
    EXPECT_EQ(runs[0]["end"], Json::parse("[2026,3,11,10,45]"));
    EXPECT_EQ(runs[0]["count"], 60);

    const Json whole = Json::parse(Case({"analyze", month}).out);
    EXPECT_TRUE(whole["recording"]["multiDay"].get<bool>());  // the month's file as such

    const Json picked = Json::parse(Case({"analyze", month, "--recording", "1"}).out);
    const Json single = Json::parse(Case({"analyze", held}).out);
    EXPECT_FALSE(picked["recording"]["multiDay"].get<bool>());
    ASSERT_TRUE(single["analysis"].is_object());
    EXPECT_GT(picked["analysis"]["awakeCount"].get<int>(), 0);
    EXPECT_GT(picked["analysis"]["asleepCount"].get<int>(), 0);
    EXPECT_EQ(whole["analysis"]["awakeCount"], 0);
    EXPECT_EQ(picked["analysis"], single["analysis"]);
}

TEST_F(RecordingsE2e, ARecordingThatIsNotThereIsAClearError) {
    const std::string held = Recording({2026, 3, 10, 20, 0}, 4);
    const ProgramResult run = Case({"analyze", held, "--recording", "2"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("holds 1 recording(s); there is no recording 2"), std::string::npos);
    EXPECT_EQ(Case({"analyze", held, "--recording", "0"}).exitCode, 2);
    EXPECT_EQ(Case({"recordings", app.File("missing.awp")}).exitCode, 3);
}

}  // namespace
}  // namespace vitalis::test
