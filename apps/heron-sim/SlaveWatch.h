#pragma once

#include <string>

namespace vitalis::sim {

// Tells when the workstation closed the slave side of a pseudo-terminal. The master only
// reports a hang-up while no one holds the slave, so a port closed and at once opened again
// (an identification probe, then the session) looks like one line from there; the file
// system's close events show every close.
class SlaveWatch {
  public:
    SlaveWatch() = default;
    ~SlaveWatch();
    SlaveWatch(const SlaveWatch&) = delete;
    SlaveWatch& operator=(const SlaveWatch&) = delete;

    // Starts watching the slave at `path` (forgetting any earlier one); false when it cannot.
    bool Watch(const std::string& path);
    // Whether the slave was closed since the last call (or since Watch).
    bool ClosedSince();

  private:
    void Close();

    int fd_ = -1;
};

}  // namespace vitalis::sim
