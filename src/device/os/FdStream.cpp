#include "device/os/FdStream.h"

#include <poll.h>
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

}  // namespace

FdStream::FdStream(std::string name) : name_(std::move(name)) {}

FdStream::~FdStream() {
    if (fd_ >= 0)
        ::close(fd_);
}

void FdStream::Adopt(int fd) {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = fd;
}

void FdStream::Close() {
    if (fd_ < 0)
        return;
    BeforeClose(fd_);
    ::close(fd_);
    fd_ = -1;
    wake_.Clear();
}

StreamResult FdStream::Read(std::span<uint8_t> buffer) {
    if (fd_ < 0)
        return {0, StreamStatus::Failed};
    const auto deadline = Clock::now() + timeouts_.ReadTotal(buffer.size());
    Clock::time_point lastByte{};
    size_t got = 0;
    while (got < buffer.size()) {
        auto left = Until(deadline);
        if (got > 0 && timeouts_.readInterval.count() > 0)
            left = std::min(left, Until(lastByte + timeouts_.readInterval));
        if (left.count() <= 0)
            return {got, StreamStatus::TimedOut};
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
    if (fd_ < 0)
        return {0, StreamStatus::Failed};
    const auto deadline = Clock::now() + timeouts_.WriteTotal(data.size());
    size_t done = 0;
    while (done < data.size()) {
        const auto left = Until(deadline);
        if (left.count() <= 0)
            return {done, StreamStatus::TimedOut};
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
        const ssize_t n = ::write(fd_, data.data() + done, data.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return {done, StreamStatus::Failed};
        }
    }
    return {done, StreamStatus::Complete};
}

}  // namespace vitalis
