#include "device/os/SocketStream.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vitalis {
namespace {

using namespace std::chrono_literals;

// A listening socket on 127.0.0.1 at a port the system picks.
class Listener {
  public:
    Listener() {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(fd_, 1);
        socklen_t length = sizeof address;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~Listener() {
        if (peer_ >= 0) ::close(peer_);
        if (fd_ >= 0) ::close(fd_);
    }
    uint16_t port() const { return port_; }
    int Accept() { return peer_ = ::accept(fd_, nullptr, nullptr); }
    void Close() {
        ::close(fd_);
        fd_ = -1;
    }

  private:
    int fd_ = -1;
    int peer_ = -1;
    uint16_t port_ = 0;
};

TEST(SocketStream, ConnectsToALoopbackListenerAndCarriesBytesBothWays) {
    Listener listener;
    SocketStream line("tcp");
    ASSERT_TRUE(line.ConnectTcp("127.0.0.1", listener.port(), 2000ms));
    ASSERT_TRUE(line.IsOpen());
    const int peer = listener.Accept();
    ASSERT_GE(peer, 0);

    const std::vector<uint8_t> out{0x01, 0x8F, 0xFF};
    EXPECT_TRUE(line.Write(out).complete());
    std::vector<uint8_t> got(3);
    ASSERT_EQ(::read(peer, got.data(), got.size()), 3);
    EXPECT_EQ(got, out);

    const uint8_t reply[] = {0x02, 0x8F};
    ASSERT_EQ(::write(peer, reply, sizeof reply), 2);
    StreamTimeouts t;
    t.readConstant = 100ms;
    line.SetTimeouts(t);
    std::vector<uint8_t> in(4);
    const auto result = line.Read(in);
    EXPECT_EQ(result.status, StreamStatus::TimedOut);  // two of four bytes came
    EXPECT_EQ(result.count, 2u);
    EXPECT_EQ(in[1], 0x8F);
}

TEST(SocketStream, NobodyListeningFailsTheConnectPromptly) {
    uint16_t port = 0;
    {
        Listener gone;
        port = gone.port();
    }
    SocketStream line("tcp");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(line.ConnectTcp("127.0.0.1", port, 5000ms));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2000ms);
    EXPECT_FALSE(line.IsOpen());
}

TEST(SocketStream, CancelEndsAReadOnAQuietSocketWithin200ms) {
    Listener listener;
    SocketStream line("tcp");
    ASSERT_TRUE(line.ConnectTcp("127.0.0.1", listener.port(), 2000ms));
    StreamTimeouts t;
    t.readConstant = 10000ms;
    line.SetTimeouts(t);
    std::thread canceller([&] {
        std::this_thread::sleep_for(20ms);
        line.Cancel();
    });
    std::vector<uint8_t> in(1);
    const auto start = std::chrono::steady_clock::now();
    const auto result = line.Read(in);
    canceller.join();
    EXPECT_EQ(result.status, StreamStatus::Cancelled);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 220ms);
}

}  // namespace
}  // namespace vitalis
