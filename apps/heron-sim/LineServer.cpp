#include "LineServer.h"

#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <optional>

namespace vitalis::sim {
namespace {

enum class Sent { Done, HungUp, Stopped };

Sent WriteAll(int fd, std::span<const uint8_t> bytes, const StopSignal& stop) {
    size_t done = 0;
    while (done < bytes.size()) {
        pollfd fds[2] = {{fd, POLLOUT, 0}, {stop.fd(), POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return Sent::HungUp;
        }
        if (fds[1].revents) return Sent::Stopped;
        if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) return Sent::HungUp;
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0)
            done += static_cast<size_t>(n);
        else if (n < 0 && errno != EAGAIN && errno != EINTR)
            return Sent::HungUp;
    }
    return Sent::Done;
}

// Sends the engine's answers (nothing once the fault plan has gone silent); how the line
// ended, if it did.
std::optional<LineEnd> Answer(int fd, const std::vector<Message>& messages, FaultPlan& faults,
                              const StopSignal& stop) {
    std::vector<uint8_t> bytes;
    for (const Message& m : messages) bytes.insert(bytes.end(), m.begin(), m.end());
    for (const OutgoingChunk& chunk : faults.Shape(bytes)) {
        if (chunk.pauseBefore.count() > 0 && !stop.Sleep(chunk.pauseBefore))
            return LineEnd::Stopped;
        const Sent sent = WriteAll(fd, chunk.bytes, stop);
        if (sent == Sent::Stopped) return LineEnd::Stopped;
        if (sent == Sent::HungUp) return LineEnd::HungUp;
        if (chunk.hangUpAfter) return LineEnd::Dropped;
    }
    return std::nullopt;
}

}  // namespace

LineEnd ServeLine(int fd, MonitorEngine& engine, FaultPlan& faults, const StopSignal& stop,
                  const std::function<bool()>& closedSince) {
    std::array<uint8_t, 512> buffer{};
    for (;;) {
        pollfd fds[2] = {{fd, POLLIN, 0}, {stop.fd(), POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return LineEnd::HungUp;
        }
        if (fds[1].revents) return LineEnd::Stopped;
        if (!(fds[0].revents & POLLIN)) return LineEnd::HungUp;
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
        if (n <= 0) return LineEnd::HungUp;
        if (closedSince && closedSince()) {
            engine.Reset();
            faults.Restart();
        }
        const auto messages = engine.Receive(std::span(buffer).first(static_cast<size_t>(n)));
        if (messages.empty()) continue;
        if (const auto end = Answer(fd, messages, faults, stop)) return *end;
    }
}

}  // namespace vitalis::sim
