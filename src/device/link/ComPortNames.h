#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vitalis {

// The probing order of serial ports on Windows: COM1, COM2, then COM4 to COM255, and COM3
// last, because COM3 is where a built-in modem usually sits.
std::vector<std::string> WindowsComPortNames();

// The probing order on Linux, from the device names that exist: USB serial adapters
// (ttyUSB), then USB modems (ttyACM), then bound Bluetooth serial links (rfcomm), then the
// board's own UARTs (ttyS), each family by number. Other names are dropped.
std::vector<std::string> OrderLinuxPortNames(std::vector<std::string> names);

// An empty friendly name takes the port name; an empty description takes the friendly name
// without a trailing parenthesised part.
std::string DescriptionFromFriendlyName(std::string_view friendlyName);

}  // namespace vitalis
