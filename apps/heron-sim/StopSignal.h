#pragma once

#include <chrono>

namespace vitalis::sim {

// Tells the serving loops to end; safe from a signal handler and from any thread. Its
// descriptor joins every poll of the loops.
class StopSignal {
  public:
    StopSignal();
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    void Raise();
    bool Raised() const;
    int fd() const { return fds_[0]; }
    // Sleeps, ending early when raised; false when raised.
    bool Sleep(std::chrono::milliseconds duration) const;

  private:
    int fds_[2];
};

}  // namespace vitalis::sim
