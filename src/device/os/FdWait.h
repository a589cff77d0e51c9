#pragma once

#include <atomic>
#include <chrono>

namespace vitalis {

// An eventfd that, once poked, stays readable: put in every poll set beside the line's own
// descriptor, it ends any wait at once when another thread cancels.
class WakeFd {
  public:
    WakeFd();
    ~WakeFd();
    WakeFd(const WakeFd&) = delete;
    WakeFd& operator=(const WakeFd&) = delete;

    void Poke();   // any thread
    void Clear();  // ready for the next line
    bool Poked() const { return poked_; }
    int fd() const { return fd_; }

  private:
    int fd_;
    std::atomic<bool> poked_{false};
};

enum class FdReady { Ready, TimedOut, Woken, Broken };

// Waits until fd has the events (POLLIN or POLLOUT), the wake fd is poked or the time is up.
// Broken: the descriptor reports an error or hang-up with nothing left to read.
FdReady WaitFd(int fd, short events, const WakeFd& wake, std::chrono::milliseconds timeout);

}  // namespace vitalis
