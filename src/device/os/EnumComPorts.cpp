#include "device/os/EnumComPorts.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "device/link/ComPortNames.h"
#include "device/os/CSerialPort.h"

namespace vitalis {
namespace {

// USB adapters name their product in the USB device a level or two above the tty.
std::string ProductName(const std::string& portName) {
    const std::string base = "/sys/class/tty/" + portName + "/device/";
    for (const char* up : {"../product", "../../product"}) {
        std::ifstream in(base + up);
        std::string product;
        if (in && std::getline(in, product) && !product.empty()) return product;
    }
    return {};
}

int TrailingNumber(const std::string& name) {
    size_t start = name.size();
    while (start > 0 && std::isdigit(static_cast<unsigned char>(name[start - 1]))) --start;
    return start < name.size() ? std::stoi(name.substr(start)) : 0;
}

}  // namespace

std::vector<ComPortEntry> EnumComPorts(bool check, const std::string& deviceFolder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(deviceFolder, error))
        names.push_back(entry.path().filename().string());
    std::vector<ComPortEntry> ports;
    for (const std::string& name : OrderLinuxPortNames(std::move(names))) {
        ComPortEntry port;
        port.portName = name;
        port.devicePath = deviceFolder + "/" + name;
        port.number = TrailingNumber(name);
        if (check) {
            const int fd = OpenPortExclusively(port.devicePath);
            if (fd < 0) continue;
            ClosePortExclusively(fd);
        }
        port.friendlyName = ProductName(name);
        if (port.friendlyName.empty()) port.friendlyName = name;
        port.description = DescriptionFromFriendlyName(port.friendlyName);
        if (port.description.empty()) port.description = port.friendlyName;
        ports.push_back(std::move(port));
    }
    return ports;
}

}  // namespace vitalis
