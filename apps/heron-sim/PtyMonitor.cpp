#include "PtyMonitor.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "LineServer.h"

namespace vitalis::sim {
namespace {

constexpr auto kIdleCheck = std::chrono::milliseconds(10);

// Raw from the start, so nothing is echoed or translated even before the workstation sets
// the port up.
void MakeSlaveRaw(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return;
    termios tio{};
    if (::tcgetattr(fd, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(fd, TCSANOW, &tio);
    }
    ::close(fd);
}

}  // namespace

PtyMonitor::PtyMonitor(MonitorEngine& engine, const FaultOptions& faults, std::string linkPath)
    : engine_(engine), faults_(faults), linkPath_(std::move(linkPath)) {}

PtyMonitor::~PtyMonitor() {
    CloseMaster();
    if (!linkPath_.empty()) ::unlink(linkPath_.c_str());
}

void PtyMonitor::CloseMaster() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
}

bool PtyMonitor::Open() {
    CloseMaster();
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        CloseMaster();
        return false;
    }
    char name[128];
    if (::ptsname_r(master_, name, sizeof name) != 0) {
        CloseMaster();
        return false;
    }
    slavePath_ = name;
    MakeSlaveRaw(slavePath_);
    // Without the watch a port reopened at once would count on as the same line.
    if (!slaveWatch_.Watch(slavePath_)) {
        CloseMaster();
        return false;
    }
    if (!linkPath_.empty()) {
        const std::string temporary = linkPath_ + ".new";
        ::unlink(temporary.c_str());
        if (::symlink(slavePath_.c_str(), temporary.c_str()) != 0 ||
            ::rename(temporary.c_str(), linkPath_.c_str()) != 0)
            return false;
    }
    if (onNewPath_) onNewPath_(Path());
    return true;
}

// While no one has the slave open the master reports a hang-up, so the wait looks again a
// little later instead of spinning.
bool PtyMonitor::WaitForWorkstation(const StopSignal& stop) {
    for (;;) {
        pollfd fds[2] = {{master_, POLLIN, 0}, {stop.fd(), POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0 && errno != EINTR) return false;
        if (fds[1].revents) return false;
        if (fds[0].revents & POLLIN) return true;
        if (!stop.Sleep(kIdleCheck)) return false;
    }
}

void PtyMonitor::Run(const StopSignal& stop) {
    while (master_ >= 0 && WaitForWorkstation(stop)) {
        const LineEnd end = ServeLine(master_, engine_, faults_, stop,
                                      [this] { return slaveWatch_.ClosedSince(); });
        if (end == LineEnd::Stopped) return;
        engine_.Reset();
        faults_.Restart();
        if (end == LineEnd::Dropped && !Open()) return;
    }
}

}  // namespace vitalis::sim
