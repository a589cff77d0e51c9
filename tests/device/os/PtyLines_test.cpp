// The simulated monitor's faults count the bytes of one line: a port that the workstation
// closes and opens again straight away (the identification probe, then the session) is a
// new line, even when the master side never saw it hang up.
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <chrono>

#include "SimFixture.h"
#include "device/link/MonitorFrames.h"

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

}  // namespace
}  // namespace vitalis
