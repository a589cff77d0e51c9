#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

#include "device/os/FdWait.h"

namespace vitalis {

// The serial port profile, the service the monitors offer their data on.
inline constexpr std::string_view kSerialPortServiceUuid = "00001101-0000-1000-8000-00805f9b34fb";

// The 16 bytes of a UUID written "%08x-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x".
std::optional<std::array<uint8_t, 16>> ParseUuid(std::string_view text);

// Asks the device's service discovery server for the RFCOMM channel of the serial port
// service. The connection to the server waits with the wake fd and can be cancelled; the
// request itself is bounded by the Bluetooth library's own response timeout.
std::optional<uint8_t> FindSerialPortChannel(uint64_t address, const WakeFd& wake,
                                             std::chrono::milliseconds timeout);

}  // namespace vitalis
