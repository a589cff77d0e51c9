#include "SlaveWatch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <array>

namespace vitalis::sim {

SlaveWatch::~SlaveWatch() {
    Close();
}

void SlaveWatch::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

bool SlaveWatch::Watch(const std::string& path) {
    Close();
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ >= 0 && ::inotify_add_watch(fd_, path.c_str(), IN_CLOSE) >= 0) return true;
    Close();
    return false;
}

bool SlaveWatch::ClosedSince() {
    if (fd_ < 0) return false;
    bool closed = false;
    alignas(inotify_event) std::array<char, 4096> events{};
    // Only close events are asked for, so any event read is one.
    while (::read(fd_, events.data(), events.size()) > 0) closed = true;
    return closed;
}

}  // namespace vitalis::sim
