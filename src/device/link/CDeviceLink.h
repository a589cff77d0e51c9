#pragma once

#include <cstdint>
#include <span>

namespace vitalis {

enum class LinkMedium { Hid, Serial, Bluetooth };

struct LinkRead {
    bool ok = false;     // by the rule of the channel class
    uint32_t count = 0;  // bytes that actually arrived
    explicit operator bool() const { return ok; }
};

// One channel to a monitor for one session: it hides the medium and the opening handshake
// and has an upload side and a download side. Identification uses the download side.
class CDeviceLink {
  public:
    virtual ~CDeviceLink() = default;

    // Open the medium and perform the handshake of that side.
    virtual bool OpenToUp() = 0;
    virtual bool OpenToDown() = 0;
    virtual LinkRead ReadUp(std::span<uint8_t> buffer) = 0;
    virtual bool WriteUp(std::span<const uint8_t> data) = 0;
    virtual LinkRead ReadDown(std::span<uint8_t> buffer) = 0;
    virtual bool WriteDown(std::span<const uint8_t> data) = 0;
    virtual void CloseUp() = 0;
    virtual void CloseDown() = 0;

    virtual LinkMedium Medium() const = 0;
    // The reply form of the last successful Heron download open (0x02 or 0x34), else 0.
    virtual uint8_t HeronVariant() const { return 0; }
};

}  // namespace vitalis
