#pragma once

#include <string>
#include <vector>

namespace vitalis {

struct ComPortEntry {
    std::string devicePath;  // /dev/ttyUSB0
    std::string portName;    // ttyUSB0
    std::string friendlyName;
    int number = 0;
    std::string description;
};

// The serial ports of this computer in probing order (see OrderLinuxPortNames). With the
// check, ports that cannot be opened for this program alone right now are left out, and the
// others are closed again at once.
std::vector<ComPortEntry> EnumComPorts(bool check, const std::string& deviceFolder = "/dev");

}  // namespace vitalis
