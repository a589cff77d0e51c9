#include "device/os/FdWait.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace vitalis {

WakeFd::WakeFd() : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

WakeFd::~WakeFd() {
    if (fd_ >= 0) ::close(fd_);
}

void WakeFd::Poke() {
    poked_ = true;
    const uint64_t one = 1;
    if (fd_ >= 0) {
        [[maybe_unused]] const auto written = ::write(fd_, &one, sizeof one);
    }
}

void WakeFd::Clear() {
    uint64_t value = 0;
    if (fd_ >= 0) {
        [[maybe_unused]] const auto got = ::read(fd_, &value, sizeof value);
    }
    poked_ = false;
}

FdReady WaitFd(int fd, short events, const WakeFd& wake, std::chrono::milliseconds timeout) {
    if (wake.Poked()) return FdReady::Woken;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd fds[2] = {{fd, events, 0}, {wake.fd(), POLLIN, 0}};
        const int count = ::poll(fds, wake.fd() >= 0 ? 2 : 1,
                                 static_cast<int>(std::max<int64_t>(left.count(), 0)));
        if (count < 0) {
            if (errno == EINTR) continue;
            return FdReady::Broken;
        }
        if (wake.Poked() || (fds[1].revents & POLLIN)) return FdReady::Woken;
        if (count == 0) return FdReady::TimedOut;
        if (fds[0].revents & events) return FdReady::Ready;
        if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) return FdReady::Broken;
    }
}

}  // namespace vitalis
