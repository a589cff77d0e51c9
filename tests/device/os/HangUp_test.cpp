// A monitor that hangs up while the workstation writes to it: the write fails and says so,
// the program lives on (a SIGPIPE would end this test binary).
#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <csignal>

#include "device/os/FdStream.h"
#include "device/os/SocketStream.h"

namespace vitalis {
namespace {

using namespace std::chrono_literals;

// An FdStream on any descriptor, here the writing end of a pipe.
class PlainFdStream : public FdStream {
  public:
    explicit PlainFdStream(int fd) : FdStream("pipe") { Adopt(fd); }
};

StreamStatus WriteUntilRefused(ByteStream& stream) {
    const std::array<uint8_t, 512> bytes{};
    for (int attempt = 0; attempt < 200; ++attempt) {
        const StreamResult result = stream.Write(bytes);
        if (result.status != StreamStatus::Complete) return result.status;
    }
    return StreamStatus::Complete;
}

TEST(HangUp, SignalStaysAtItsDefaultForTheseTests) {
    struct sigaction current {};
    ASSERT_EQ(::sigaction(SIGPIPE, nullptr, &current), 0);
    EXPECT_EQ(current.sa_handler, SIG_DFL);  // else the tests below would prove nothing
}

TEST(HangUp, SocketWhoseFarEndClosedFailsTheWrite) {
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(listener, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(listener, 1), 0);
    socklen_t length = sizeof address;
    ASSERT_EQ(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length), 0);

    SocketStream stream("tcp");
    ASSERT_TRUE(stream.ConnectTcp("127.0.0.1", ntohs(address.sin_port), 2000ms));
    const int accepted = ::accept(listener, nullptr, nullptr);
    ASSERT_GE(accepted, 0);
    ::close(accepted);
    ::close(listener);
    EXPECT_EQ(WriteUntilRefused(stream), StreamStatus::Failed);
    EXPECT_EQ(WriteUntilRefused(stream), StreamStatus::Failed);  // and again, still alive
}

TEST(HangUp, PipeWhoseReaderIsGoneFailsTheWriteAndLeavesNoSignalPending) {
    int ends[2];
    ASSERT_EQ(::pipe2(ends, O_CLOEXEC | O_NONBLOCK), 0);
    ::close(ends[0]);
    PlainFdStream stream(ends[1]);
    EXPECT_EQ(WriteUntilRefused(stream), StreamStatus::Failed);
    sigset_t pending;
    ASSERT_EQ(::sigpending(&pending), 0);
    EXPECT_FALSE(sigismember(&pending, SIGPIPE));
}

}  // namespace
}  // namespace vitalis
