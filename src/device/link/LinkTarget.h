#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vitalis {

// Where a session looks for the monitor, written as a short string:
//   usb                    USB HID first, then every serial port
//   serial:/dev/ttyUSB0    only that serial port
//   bt:AA:BB:CC:DD:EE:FF   an RFCOMM link to that Bluetooth address
//   tcp:127.0.0.1:5555     a TCP socket standing in for RFCOMM (the simulator)
struct LinkTarget {
    enum class Kind { Usb, Serial, Bluetooth, Tcp };
    Kind kind = Kind::Usb;
    std::string serialPort;
    uint64_t bluetoothAddress = 0;  // first written byte is the most significant
    std::string host;
    uint16_t port = 0;

    // The wired link way (USB HID and serial) as opposed to a socket.
    bool Wired() const { return kind == Kind::Usb || kind == Kind::Serial; }
};

std::optional<LinkTarget> ParseLinkTarget(std::string_view text);
std::string FormatLinkTarget(const LinkTarget& target);

// "AA:BB:CC:DD:EE:FF" (either case) and back (upper case).
std::optional<uint64_t> ParseBluetoothAddress(std::string_view text);
std::string FormatBluetoothAddress(uint64_t address);

}  // namespace vitalis
