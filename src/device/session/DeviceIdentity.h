#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vitalis {

// Which protocol the monitor on the link speaks; the numbers are the ones the rest of the
// program stores.
enum class DeviceKind : int {
    None = 0,           // nothing answered
    Heron = 2,          // answered the Heron open on a serial port or a socket
    HidGeneration = 6,  // answered the HID-generation identify on USB HID or a socket
};

// The Heron monitor does not report a type; identification gives it this one.
inline constexpr int kHeronDeviceType = 15;

// What identification learnt about the monitor; kept for the whole program run.
struct DeviceIdentity {
    DeviceKind kind = DeviceKind::None;
    int devType = 0;
    int devSubType = 0;
    // Only a HID-generation monitor identified over USB that reports it says so.
    std::optional<bool> hidFeatureFlag;
    bool overHid = false;      // found on USB HID (rather than a serial port or socket)
    std::string port;          // the serial port that answered, if any
    uint8_t heronVariant = 0;  // the reply form of the Heron open (0x02 or 0x34)
};

// Device types a download or upload accepts: 1 to 15 and 0x51 to 0x5F.
bool IsAcceptedDeviceType(int devType);

}  // namespace vitalis
