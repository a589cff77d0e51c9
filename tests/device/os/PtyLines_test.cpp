// The simulated monitor's faults count the bytes of one line: a port that the workstation
// closes and opens again straight away (the identification probe, then the session) is a
// new line, even when the master side never saw it hang up.
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <thread>

#include "SimFixture.h"
#include "device/link/MonitorFrames.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using test::SimulatedMonitor;

int OpenRaw(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    termios tio{};
    if (fd >= 0 && ::tcgetattr(fd, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(fd, TCSANOW, &tio);
    }
    return fd;
}

ino_t LinkInode(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

// Sends the open frame and counts what comes back until the monitor has been quiet for a
// while (or hung up); bounded in time whatever the monitor does.
size_t OpenAndCount(int fd) {
    const auto frame = HeronSerialOpenFrame();
    if (::write(fd, frame.data(), frame.size()) != static_cast<ssize_t>(frame.size())) return 0;
    size_t received = 0;
    const auto deadline = Clock::now() + 5s;
    std::array<uint8_t, 512> buffer{};
    while (Clock::now() < deadline) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 300) <= 0 || !(p.revents & POLLIN)) break;
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n <= 0) break;
        received += static_cast<size_t>(n);
    }
    return received;
}

TEST(PtyLines, APortReopenedAtOnceStartsTheFaultCountAgain) {
    auto probe = SimulatedMonitor::HeronOnPty({});
    ASSERT_TRUE(probe);
    const int first = OpenRaw(probe->PtyPath());
    ASSERT_GE(first, 0);
    const size_t line = OpenAndCount(first);
    ::close(first);
    ASSERT_GT(line, 100u);
    probe.reset();

    // A drop half-way through a second line; one line alone never reaches it.
    sim::FaultOptions faults;
    faults.dropAfter = line + line / 2;
    const auto monitor = SimulatedMonitor::HeronOnPty({}, faults);
    ASSERT_TRUE(monitor);
    const int a = OpenRaw(monitor->PtyPath());
    ASSERT_GE(a, 0);
    EXPECT_EQ(OpenAndCount(a), line);
    // The port opened again before it is closed: the master never sees a hang-up between.
    const int b = OpenRaw(monitor->PtyPath());
    ASSERT_GE(b, 0);
    ::close(a);
    EXPECT_EQ(OpenAndCount(b), line);
    ::close(b);
}

// A dropped line is made again as a new pseudo-terminal, and its count starts from nothing.
// A hang-up may lose what was still on its way, so a stall lets the first bytes of each line
// arrive before the drop: a line that counted on would hang up before sending any.
TEST(PtyLines, ALineMadeAgainAfterADropStartsTheFaultCountAgain) {
    test::TempFolder folder;
    const std::string link = folder.File("monitor");
    sim::FaultOptions faults;
    faults.stallAt = 20;
    faults.stall = 200ms;
    faults.dropAfter = 100;
    const auto monitor = SimulatedMonitor::HeronOnPty({}, faults, 11, link);
    ASSERT_TRUE(monitor);
    // Each line sends past the stall and hangs up at its own hundredth byte at the latest.
    const auto expectOneLinesCount = [&] {
        const int line = OpenRaw(link);
        ASSERT_GE(line, 0);
        const size_t count = OpenAndCount(line);
        EXPECT_GE(count, 20u);
        EXPECT_LE(count, 100u);
        ::close(line);
    };
    const ino_t dropped = LinkInode(link);
    expectOneLinesCount();
    // The link is made anew for the new pseudo-terminal, which may have the old one's name.
    const auto deadline = Clock::now() + 5s;
    while (LinkInode(link) == dropped && Clock::now() < deadline) std::this_thread::sleep_for(10ms);
    ASSERT_NE(LinkInode(link), dropped);
    expectOneLinesCount();
}

}  // namespace
}  // namespace vitalis
