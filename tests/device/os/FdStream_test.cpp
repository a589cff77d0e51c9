#include "device/os/FdStream.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vitalis {
namespace {

using namespace std::chrono_literals;

// One end of a socket pair as the line; the test holds the other end as the monitor.
class PairStream final : public FdStream {
  public:
    PairStream() : FdStream("pair") {
        int ends[2];
        if (::socketpair(AF_UNIX, SOCK_STREAM, 0, ends) != 0) return;
        ::fcntl(ends[0], F_SETFL, ::fcntl(ends[0], F_GETFL) | O_NONBLOCK);
        Adopt(ends[0]);
        far_ = ends[1];
    }
    ~PairStream() override { CloseFar(); }
    void Send(std::vector<uint8_t> bytes) const {
        ASSERT_EQ(::write(far_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    void CloseFar() {
        if (far_ >= 0) ::close(far_);
        far_ = -1;
    }
    int far() const { return far_; }

  private:
    int far_ = -1;
};

StreamTimeouts Short() {
    StreamTimeouts t;
    t.readInterval = 0ms;
    t.readConstant = 100ms;
    t.readPerByte = 0ms;
    return t;
}

template <typename Action>
std::chrono::milliseconds TimeOf(Action action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start);
}

TEST(FdStream, AReadGathersBytesThatArriveInParts) {
    PairStream line;
    ASSERT_TRUE(line.IsOpen());
    StreamTimeouts t = Short();
    t.readConstant = 2000ms;
    line.SetTimeouts(t);
    std::thread monitor([&] {
        line.Send({1, 2});
        std::this_thread::sleep_for(20ms);
        line.Send({3});
    });
    std::vector<uint8_t> buffer(3);
    const auto result = line.Read(buffer);
    monitor.join();
    EXPECT_EQ(result.status, StreamStatus::Complete);
    EXPECT_EQ(result.count, 3u);
    EXPECT_EQ(buffer, (std::vector<uint8_t>{1, 2, 3}));
}

TEST(FdStream, AShortReadTimesOutWithWhatCame) {
    PairStream line;
    line.SetTimeouts(Short());
    line.Send({7, 8});
    std::vector<uint8_t> buffer(5);
    StreamResult result;
    const auto took = TimeOf([&] { result = line.Read(buffer); });
    EXPECT_EQ(result.status, StreamStatus::TimedOut);
    EXPECT_EQ(result.count, 2u);
    EXPECT_EQ(buffer[0], 7);
    EXPECT_GE(took, 90ms);
    EXPECT_LT(took, 1000ms);
}

TEST(FdStream, TheIntervalBetweenBytesEndsAReadEarly) {
    PairStream line;
    StreamTimeouts t = Short();
    t.readConstant = 5000ms;
    t.readInterval = 30ms;
    line.SetTimeouts(t);
    line.Send({1});
    std::vector<uint8_t> buffer(4);
    StreamResult result;
    const auto took = TimeOf([&] { result = line.Read(buffer); });
    EXPECT_EQ(result.status, StreamStatus::TimedOut);
    EXPECT_EQ(result.count, 1u);
    EXPECT_LT(took, 2000ms);
}

TEST(FdStream, CancelEndsAReadWithin200ms) {
    PairStream line;
    StreamTimeouts t = Short();
    t.readConstant = 10000ms;
    line.SetTimeouts(t);
    std::thread canceller([&] {
        std::this_thread::sleep_for(20ms);
        line.Cancel();
    });
    std::vector<uint8_t> buffer(1);
    StreamResult result;
    const auto took = TimeOf([&] { result = line.Read(buffer); });
    canceller.join();
    EXPECT_EQ(result.status, StreamStatus::Cancelled);
    EXPECT_LT(took, 220ms);
}

TEST(FdStream, AHungUpFarEndFailsTheRead) {
    PairStream line;
    line.SetTimeouts(Short());
    line.Send({5});
    line.CloseFar();
    std::vector<uint8_t> buffer(2);
    const auto result = line.Read(buffer);
    EXPECT_EQ(result.status, StreamStatus::Failed);
    EXPECT_EQ(result.count, 1u);
}

TEST(FdStream, AClosedLineFailsAtOnce) {
    PairStream line;
    line.Close();
    EXPECT_FALSE(line.IsOpen());
    std::vector<uint8_t> buffer(1);
    EXPECT_EQ(line.Read(buffer).status, StreamStatus::Failed);
    const std::vector<uint8_t> data{1};
    EXPECT_EQ(line.Write(data).status, StreamStatus::Failed);
}

TEST(FdStream, WrittenBytesReachTheFarEnd) {
    PairStream line;
    line.SetTimeouts(Short());
    const std::vector<uint8_t> data{0x43, 0x8F, 0xFF, 0xFE, 0xFD, 0xFC};
    const auto result = line.Write(data);
    EXPECT_EQ(result.status, StreamStatus::Complete);
    EXPECT_EQ(result.count, data.size());
    std::vector<uint8_t> got(data.size());
    ASSERT_EQ(::read(line.far(), got.data(), got.size()), static_cast<ssize_t>(got.size()));
    EXPECT_EQ(got, data);
}

void Ignore(int) {}

TEST(FdStream, ASignalDuringTheWaitDoesNotEndTheRead) {
    struct sigaction action {};
    action.sa_handler = Ignore;  // no SA_RESTART: the wait sees EINTR
    struct sigaction before {};
    ASSERT_EQ(::sigaction(SIGUSR1, &action, &before), 0);
    PairStream line;
    StreamTimeouts t = Short();
    t.readConstant = 5000ms;
    line.SetTimeouts(t);
    const pthread_t reader = ::pthread_self();
    std::thread monitor([&] {
        std::this_thread::sleep_for(20ms);
        ::pthread_kill(reader, SIGUSR1);
        std::this_thread::sleep_for(20ms);
        line.Send({9});
    });
    std::vector<uint8_t> buffer(1);
    const auto result = line.Read(buffer);
    monitor.join();
    ::sigaction(SIGUSR1, &before, nullptr);
    EXPECT_EQ(result.status, StreamStatus::Complete);
    EXPECT_EQ(buffer[0], 9);
}

}  // namespace
}  // namespace vitalis
