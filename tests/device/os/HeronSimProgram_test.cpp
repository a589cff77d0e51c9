// The heron-sim program itself, started as a separate process the way a person would.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "device/link/CSerialLinkHeron.h"
#include "device/link/MonitorFrames.h"
#include "device/os/SystemLinkPlatform.h"
#include "device/session/Identification.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using namespace std::chrono_literals;

// Runs the program with its output on a pipe; stops it when the test ends.
class Program {
  public:
    explicit Program(std::vector<std::string> args) {
        int out[2];
        if (::pipe(out) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            const int quiet = ::open("/dev/null", O_WRONLY);
            ::dup2(quiet, STDERR_FILENO);
            ::close(out[0]);
            std::vector<char*> argv{const_cast<char*>(HERON_SIM)};
            for (std::string& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            ::execv(HERON_SIM, argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        output_ = ::fdopen(out[0], "r");
    }
    ~Program() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            int status = 0;
            ::waitpid(pid_, &status, 0);
        }
        if (output_ != nullptr) std::fclose(output_);
    }
    // The next line the program prints; empty when it ended.
    std::string Line() {
        char line[512];
        if (output_ == nullptr || std::fgets(line, sizeof line, output_) == nullptr) return {};
        std::string text(line);
        if (!text.empty() && text.back() == '\n') text.pop_back();
        return text;
    }

  private:
    pid_t pid_ = -1;
    FILE* output_ = nullptr;
};

TEST(HeronSimProgram, ServesASerialLinkAndRecordsAnUpload) {
    test::TempFolder folder;
    const std::string link = folder.File("monitor");
    const std::string upload = folder.File("upload.bin");
    Program sim({"--serial", "--link", link, "--upload-out", upload, "--variant", "34"});
    ASSERT_EQ(sim.Line(), "serial: " + link);

    SystemLinkPlatform platform;
    Pacer pacer;
    const DeviceIdentity found = IdentifyWired(platform, pacer, LinkTiming{}, link);
    EXPECT_EQ(found.kind, DeviceKind::Heron);
    EXPECT_EQ(found.heronVariant, 0x34);

    CSerialLinkHeron channel(platform.SerialPorts(), pacer, LinkTiming{}, link);
    ASSERT_TRUE(channel.OpenToUp());
    std::vector<uint8_t> block(70, 0x5A);
    for (const uint8_t byte : block) {
        ASSERT_TRUE(channel.WriteUp({&byte, 1}));
        uint8_t ack = 0;
        ASSERT_EQ(channel.ReadUp({&ack, 1}).count, 1u);
    }
    channel.CloseUp();
    EXPECT_NE(sim.Line().find("upload: 70 bytes"), std::string::npos);
    std::ifstream in(upload, std::ios::binary);
    const std::vector<uint8_t> written((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(written, block);
}

TEST(HeronSimProgram, ServesAHidGenerationMonitorOnTcp) {
    Program sim({"--tcp", "0", "--device-type", "0x55"});
    const std::string line = sim.Line();
    ASSERT_EQ(line.rfind("tcp: 127.0.0.1:", 0), 0u) << line;
    SystemLinkPlatform platform;
    Pacer pacer;
    CBthSocket socket(platform.ConnectSocket(*ParseLinkTarget("tcp:" + line.substr(5)), pacer));
    ASSERT_TRUE(socket.IsConnected());
    const DeviceIdentity found = IdentifyBluetooth(socket, pacer, LinkTiming{});
    EXPECT_EQ(found.kind, DeviceKind::HidGeneration);
    EXPECT_EQ(found.devType, 0x55);
}

TEST(HeronSimProgram, RefusesNonsense) {
    Program none({"--tcp", "seventy"});
    EXPECT_EQ(none.Line(), "");  // usage goes to the error output and the program ends
}

}  // namespace
}  // namespace vitalis
