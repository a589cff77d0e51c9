// Any bytes as a wire log handed in for replay: the reader keeps the transfers it can read and
// skips the rest, never crashing or growing beyond what the text holds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "device/link/WireLog.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const auto entries = vitalis::ReadWireLog(in);
    size_t bytes = 0;
    for (const auto& entry : entries) bytes += entry.bytes.size();
    // Every byte read back takes a hex digit and a space of the input at least.
    if (bytes * 2 > size) std::abort();
    return 0;
}
