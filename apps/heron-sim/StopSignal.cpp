#include "StopSignal.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace vitalis::sim {

StopSignal::StopSignal() {
    if (::pipe2(fds_, O_CLOEXEC | O_NONBLOCK) != 0) fds_[0] = fds_[1] = -1;
}

StopSignal::~StopSignal() {
    for (const int fd : fds_) {
        if (fd >= 0) ::close(fd);
    }
}

void StopSignal::Raise() {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(fds_[1], &byte, 1);
}

bool StopSignal::Raised() const {
    pollfd fd{fds_[0], POLLIN, 0};
    return ::poll(&fd, 1, 0) > 0;
}

bool StopSignal::Sleep(std::chrono::milliseconds duration) const {
    pollfd fd{fds_[0], POLLIN, 0};
    return ::poll(&fd, 1, static_cast<int>(duration.count())) == 0;
}

}  // namespace vitalis::sim
