#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "device/link/ByteStream.h"

namespace vitalis {

// Every serial line runs 8N1; only the rate varies.
struct SerialSettings {
    uint32_t baudRate = 115200;
    uint8_t dataBits = 8;
    uint8_t parity = 0;    // none
    uint8_t stopBits = 0;  // one
};

inline constexpr uint32_t kHeronUploadRate = 4800;
inline constexpr uint32_t kHeronDownloadRate = 115200;

// The computer's serial ports.
class SerialPortProvider {
  public:
    virtual ~SerialPortProvider() = default;
    // The ports worth probing, in probing order: those that exist and can be opened.
    virtual std::vector<std::string> ListPorts() = 0;
    // Opens a port exclusively with the given timeouts, input and output queues emptied;
    // null when it cannot be opened.
    virtual std::unique_ptr<ByteStream> Open(const std::string& port,
                                             const SerialSettings& settings,
                                             const StreamTimeouts& timeouts) = 0;
};

}  // namespace vitalis
