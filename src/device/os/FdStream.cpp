#include "device/os/FdStream.h"

#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace vitalis {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

milliseconds Until(Clock::time_point when) {
    return std::chrono::ceil<milliseconds>(when - Clock::now());
}

bool IsSocket(int fd) {
    struct stat st;
    return ::fstat(fd, &st) == 0 && S_ISSOCK(st.st_mode);
}

// A write to a pipe or a terminal whose far end is gone raises SIGPIPE, which would end the
// program without a word. The signal is held back for this thread during the write, and one
// the write raised is taken off the pending set before it is let through again, so the lost
// line shows as EPIPE and is reported like any other failure.
ssize_t WriteHoldingSigpipe(int fd, const uint8_t* data, size_t size) {
    sigset_t sigpipeOnly, previous;
    sigemptyset(&sigpipeOnly);
    sigaddset(&sigpipeOnly, SIGPIPE);
    sigset_t pendingBefore;
    sigpending(&pendingBefore);
    pthread_sigmask(SIG_BLOCK, &sigpipeOnly, &previous);
    const ssize_t n = ::write(fd, data, size);
    const int error = errno;
    if (n < 0 && error == EPIPE && !sigismember(&pendingBefore, SIGPIPE)) {
        const timespec none{0, 0};
        while (sigtimedwait(&sigpipeOnly, nullptr, &none) < 0 && errno == EINTR) {
        }
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    errno = error;
    return n;
}

}  // namespace

FdStream::FdStream(std::string name) : name_(std::move(name)) {}

FdStream::~FdStream() {
    if (fd_ >= 0) ::close(fd_);
}

void FdStream::Adopt(int fd) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
    isSocket_ = fd >= 0 && IsSocket(fd);
}

void FdStream::Close() {
    if (fd_ < 0) return;
    BeforeClose(fd_);
    ::close(fd_);
    fd_ = -1;
    wake_.Clear();
}

StreamResult FdStream::Read(std::span<uint8_t> buffer) {
    if (fd_ < 0) return {0, StreamStatus::Failed};
    const auto deadline = Clock::now() + timeouts_.ReadTotal(buffer.size());
    Clock::time_point lastByte{};
    size_t got = 0;
    while (got < buffer.size()) {
        auto left = Until(deadline);
        if (got > 0 && timeouts_.readInterval.count() > 0)
            left = std::min(left, Until(lastByte + timeouts_.readInterval));
        if (left.count() <= 0) return {got, StreamStatus::TimedOut};
        switch (WaitFd(fd_, POLLIN, wake_, left)) {
            case FdReady::Woken:
                return {got, StreamStatus::Cancelled};
            case FdReady::TimedOut:
                continue;  // the loop sees the time is up
            case FdReady::Broken:
                return {got, StreamStatus::Failed};
            case FdReady::Ready:
                break;
        }
        const ssize_t n = ::read(fd_, buffer.data() + got, buffer.size() - got);
        if (n > 0) {
            got += static_cast<size_t>(n);
            lastByte = Clock::now();
        } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
            return {got, StreamStatus::Failed};  // the far end hung up or the device went away
        }
    }
    return {got, StreamStatus::Complete};
}

StreamResult FdStream::Write(std::span<const uint8_t> data) {
    if (fd_ < 0) return {0, StreamStatus::Failed};
    const auto deadline = Clock::now() + timeouts_.WriteTotal(data.size());
    size_t done = 0;
    while (done < data.size()) {
        const auto left = Until(deadline);
        if (left.count() <= 0) return {done, StreamStatus::TimedOut};
        switch (WaitFd(fd_, POLLOUT, wake_, left)) {
            case FdReady::Woken:
                return {done, StreamStatus::Cancelled};
            case FdReady::TimedOut:
                continue;
            case FdReady::Broken:
                return {done, StreamStatus::Failed};
            case FdReady::Ready:
                break;
        }
        // A socket is told not to raise SIGPIPE at all when the monitor has hung up.
        const ssize_t n = isSocket_
                              ? ::send(fd_, data.data() + done, data.size() - done, MSG_NOSIGNAL)
                              : WriteHoldingSigpipe(fd_, data.data() + done, data.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return {done, StreamStatus::Failed};
        }
    }
    return {done, StreamStatus::Complete};
}

}  // namespace vitalis
