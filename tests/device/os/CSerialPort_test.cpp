#include "device/os/CSerialPort.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "device/os/EnumComPorts.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// A bare pseudo-terminal: the test plays the monitor on the master side.
class Pty {
  public:
    Pty() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        ::grantpt(master_);
        ::unlockpt(master_);
        char name[128] = {};
        ::ptsname_r(master_, name, sizeof name);
        path_ = name;
        // Raw before anyone opens it, or the test's own bytes would be echoed back.
        const int slave = ::open(path_.c_str(), O_RDWR | O_NOCTTY);
        termios tio{};
        ::tcgetattr(slave, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(slave, TCSANOW, &tio);
        ::close(slave);
    }
    ~Pty() { Close(); }
    void Close() {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }
    void Send(std::initializer_list<uint8_t> bytes) {
        const std::vector<uint8_t> data(bytes);
        ASSERT_EQ(::write(master_, data.data(), data.size()), static_cast<ssize_t>(data.size()));
    }
    std::vector<uint8_t> Received() {
        std::vector<uint8_t> data(256);
        const ssize_t n = ::read(master_, data.data(), data.size());
        data.resize(n > 0 ? static_cast<size_t>(n) : 0);
        return data;
    }
    const std::string& path() const { return path_; }

  private:
    int master_ = -1;
    std::string path_;
};

SerialSettings At(uint32_t rate) {
    SerialSettings settings;
    settings.baudRate = rate;
    return settings;
}

TEST(CSerialPort, OpensRawAndExclusivelyWithTheQueuesEmptied) {
    Pty pty;
    pty.Send({0x99, 0x98});  // stale bytes from before the open
    CSerialPort port(pty.path());
    ASSERT_TRUE(port.Open(At(115200)));
    CSerialPort second(pty.path());
    EXPECT_FALSE(second.Open(At(115200)));  // held by the first
    EXPECT_EQ(OpenPortExclusively(pty.path()), -1);

    const std::vector<uint8_t> frame{0x01, 0x0A, 0x0D, 0x8F, 0x00};
    ASSERT_TRUE(port.Write(frame).complete());
    EXPECT_EQ(pty.Received(), frame);  // no translation of line ends
    pty.Send({0x0D, 0x11, 0x03});
    std::array<uint8_t, 3> got{};
    const StreamResult read = port.Read(got);
    ASSERT_TRUE(read.complete());
    EXPECT_EQ(got[0], 0x0D);  // the stale bytes were flushed

    port.Close();
    EXPECT_TRUE(second.Open(At(4800)));
    EXPECT_FALSE(port.Open(At(4801)));  // not a rate a port can run at
}

TEST(CSerialPort, ReadsKeepTheTotalAndIntervalTimeouts) {
    Pty pty;
    CSerialPort port(pty.path());
    ASSERT_TRUE(port.Open(At(115200)));
    port.SetTimeouts(StreamTimeouts{});  // 50 ms interval, 100 ms + 50 ms per byte
    std::array<uint8_t, 2> two{};
    auto start = Clock::now();
    StreamResult read = port.Read(two);
    auto took = Clock::now() - start;
    EXPECT_EQ(read.status, StreamStatus::TimedOut);
    EXPECT_EQ(read.count, 0u);
    EXPECT_GE(took, 195ms);
    EXPECT_LT(took, 600ms);

    pty.Send({0x42});  // one byte and then a gap: the interval ends the read early
    StreamTimeouts patient{};
    patient.readConstant = 2000ms;
    port.SetTimeouts(patient);
    start = Clock::now();
    read = port.Read(two);
    took = Clock::now() - start;
    EXPECT_EQ(read.status, StreamStatus::TimedOut);
    EXPECT_EQ(read.count, 1u);
    EXPECT_LT(took, 1000ms);
}

TEST(CSerialPort, CancelEndsAWaitAtOnce) {
    Pty pty;
    CSerialPort port(pty.path());
    ASSERT_TRUE(port.Open(At(115200)));
    StreamTimeouts slow{};
    slow.readConstant = 30000ms;
    port.SetTimeouts(slow);
    std::thread canceller([&] {
        std::this_thread::sleep_for(50ms);
        port.Cancel();
    });
    std::array<uint8_t, 1> byte{};
    const auto start = Clock::now();
    EXPECT_EQ(port.Read(byte).status, StreamStatus::Cancelled);
    EXPECT_LT(Clock::now() - start, 2000ms);
    canceller.join();
    EXPECT_EQ(port.Read(byte).status, StreamStatus::Cancelled);  // until closed
    port.Close();
    ASSERT_TRUE(port.Open(At(115200)));
    port.SetTimeouts(StreamTimeouts{});
    EXPECT_EQ(port.Read(byte).status, StreamStatus::TimedOut);
}

TEST(CSerialPort, AVanishedLineFailsInsteadOfTimingOut) {
    auto pty = std::make_unique<Pty>();
    CSerialPort port(pty->path());
    ASSERT_TRUE(port.Open(At(115200)));
    pty->Close();
    std::array<uint8_t, 1> byte{};
    const auto start = Clock::now();
    EXPECT_EQ(port.Read(byte).status, StreamStatus::Failed);
    EXPECT_LT(Clock::now() - start, 100ms);
    EXPECT_FALSE(port.Write(byte).complete());
}

TEST(EnumComPorts, ListsOnlyTheSerialPortsThatOpen) {
    Pty pty;
    test::TempFolder dev;
    std::filesystem::create_symlink(pty.path(), dev.File("ttyUSB0"));
    std::filesystem::create_symlink("/dev/null", dev.File("ttyS3"));  // not a tty
    std::filesystem::create_symlink(dev.File("gone"), dev.File("ttyACM1"));
    std::filesystem::create_symlink(pty.path(), dev.File("console"));  // not a serial name
    Pty busy;
    std::filesystem::create_symlink(busy.path(), dev.File("rfcomm0"));
    CSerialPort holder(busy.path());
    ASSERT_TRUE(holder.Open(At(115200)));

    const auto ports = EnumComPorts(true, dev.path());
    ASSERT_EQ(ports.size(), 1u);
    EXPECT_EQ(ports[0].devicePath, dev.File("ttyUSB0"));
    EXPECT_EQ(ports[0].portName, "ttyUSB0");
    EXPECT_EQ(ports[0].number, 0);
    EXPECT_FALSE(ports[0].description.empty());
    // The check leaves the port free for the session.
    CSerialPort port(ports[0].devicePath);
    EXPECT_TRUE(port.Open(At(115200)));

    EXPECT_EQ(EnumComPorts(false, dev.path()).size(), 4u);
}

}  // namespace
}  // namespace vitalis
