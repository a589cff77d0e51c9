#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vitalis::sim {

// Misbehaviour of a simulated monitor, counted in bytes it has sent on the current line.
struct FaultOptions {
    std::optional<size_t> silentAfter;  // stops answering after this many bytes
    std::optional<size_t> dropAfter;    // hangs up the line after this many bytes
    std::optional<size_t> junkAt;       // inserts junk bytes before this byte
    size_t junkCount = 3;
    std::optional<size_t> stallAt;  // pauses before this byte
    std::chrono::milliseconds stall{2000};
    uint32_t seed = 1;
};

// A piece of output with what to do before and after it.
struct OutgoingChunk {
    std::vector<uint8_t> bytes;
    std::chrono::milliseconds pauseBefore{0};
    bool hangUpAfter = false;
};

// Applies the faults to what the monitor sends, one line (connection) at a time.
class FaultPlan {
  public:
    explicit FaultPlan(FaultOptions options = {});

    std::vector<OutgoingChunk> Shape(std::span<const uint8_t> bytes);
    // A new line: the byte count starts again.
    void Restart();

    bool Silent() const { return silent_; }
    size_t SentOnLine() const { return sent_; }

  private:
    std::vector<uint8_t> Junk();

    FaultOptions options_;
    size_t sent_ = 0;
    bool silent_ = false;
    bool junkDone_ = false;
    bool stallDone_ = false;
    uint32_t junkState_;
};

}  // namespace vitalis::sim
