#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace vitalis::sim {

using Message = std::vector<uint8_t>;

// The protocol side of a simulated monitor: bytes from the workstation in, answers out. It
// knows nothing of time or of the medium; on USB HID each answer message travels in its own
// reports, on a byte line the messages simply follow each other.
class MonitorEngine {
  public:
    virtual ~MonitorEngine() = default;
    virtual std::vector<Message> Receive(std::span<const uint8_t> bytes) = 0;
    // The line was closed: forget any exchange in progress.
    virtual void Reset() = 0;
};

// Where a simulated monitor puts the block an upload programmed it with.
using UploadSink = std::function<void(std::span<const uint8_t> block)>;

}  // namespace vitalis::sim
