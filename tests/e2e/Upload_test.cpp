#include "E2eFixture.h"
#include "case/ProfileStore.h"

namespace vitalis::test {
namespace {

struct UploadE2e : E2eTest {
    std::string block = app.File("programmed.bin");
    std::vector<std::string> Programme(const std::string& link) {
        return {"upload",         "--link",      link,         "--name",
                "Ada Lovelace",   "--id",        "P-7",        "--awake",
                "07:30,15",       "--asleep",    "22:00,none", "--special",
                "12:00-13:30,10", "--start-key", "off"};
    }
    std::string Programmed() const { return ReadBytes(block); }
};

TEST_F(UploadE2e, AHeronMonitorIsProgrammedAndTheChoicesAreKept) {
    const auto link = StartSim({"--serial", "--upload-out", block});
    ASSERT_FALSE(link.empty());
    const ProgramResult run = Cli(Programme(link));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("The monitor has been programmed"), std::string::npos);
    EXPECT_EQ(sim->Line(), "upload: 70 bytes written to " + block);
    const std::string b = Programmed();
    ASSERT_EQ(b.size(), 70u);
    EXPECT_EQ(b.substr(0, 12), "Ada Lovelace");
    EXPECT_EQ(b.substr(30, 3), "P-7");
    EXPECT_EQ(b[55], '\xFF');  // the start key is off
    EXPECT_EQ(b.substr(57, 11), std::string("\x07\x1E\x0F\x16\x00\xFF\x0C\x00\x0A\x0D\x1E", 11));
    const ProfileStore config(app.File("VurConfig.ini"), ProfileOpen::ExistingOnly);
    EXPECT_EQ(config.GetInt("Configfamily", "Awake Time", -1), 15);
    EXPECT_EQ(config.GetInt("Configfamily", "Awake Span", -1), 3);
    EXPECT_EQ(config.GetInt("Configfamily", "Asleep Time", -1), 44);
    EXPECT_EQ(config.GetInt("Configfamily", "Asleep Span", -1), 0);
}

TEST_F(UploadE2e, AHidGenerationMonitorIsProgrammedOverTcp) {
    const auto link = StartSim({"--tcp", "0", "--upload-out", block});
    const ProgramResult run = Cli(Programme(link));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(sim->Line(), "upload: 70 bytes written to " + block);
    const std::string b = Programmed();
    ASSERT_EQ(b.size(), 70u);
    EXPECT_EQ(b.substr(48, 11), std::string("\x07\x1E\x0F\x16\x00\xFF\x0C\x00\x0A\x0D\x1E", 11));
    EXPECT_EQ(b[60], 0);  // start key off
}

TEST_F(UploadE2e, AMonitorThatHangsUpIsNotProgrammed) {
    // Identify 5, then the announcement's acknowledgement 4: the settings are never taken.
    const auto link = StartSim({"--tcp", "0", "--upload-out", block, "--drop-after", "9"});
    const ProgramResult run = Cli(Programme(link));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("The connection to the monitor was lost."), std::string::npos)
        << run.err;
    EXPECT_TRUE(Programmed().empty());
}

TEST_F(UploadE2e, ValuesOffTheListsAreUsageErrors) {
    auto with = [&](const std::string& option, const std::string& value) {
        auto args = Programme("tcp:127.0.0.1:9");
        for (size_t i = 0; i + 1 < args.size(); ++i)
            if (args[i] == option) args[i + 1] = value;
        return Cli(args).exitCode;
    };
    EXPECT_EQ(with("--awake", "07:15,15"), 2);
    EXPECT_EQ(with("--asleep", "22:00,25"), 2);
    EXPECT_EQ(with("--special", "12:00,10"), 2);
    EXPECT_EQ(with("--start-key", "maybe"), 2);
    EXPECT_EQ(with("--name", ""), 2);
    EXPECT_EQ(Cli({"upload", "--link", "usb", "--name", "A", "--id", "1"}).exitCode, 2);
}

}  // namespace
}  // namespace vitalis::test
