#pragma once

#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

#include "device/session/Pacer.h"

namespace vitalis::test {

// Pauses without waiting and remembers how long the session would have waited.
class InstantPacer final : public Pacer {
  public:
    bool Pause(std::chrono::milliseconds duration) override {
        paused += duration;
        ++pauses;
        return !IsCancelled();
    }
    std::chrono::milliseconds paused{0};
    int pauses = 0;
};

inline std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<uint8_t> bytes;
    for (const int v : values) bytes.push_back(static_cast<uint8_t>(v));
    return bytes;
}

template <typename Range>
std::vector<uint8_t> ToVector(const Range& range) {
    return std::vector<uint8_t>(std::begin(range), std::end(range));
}

}  // namespace vitalis::test
