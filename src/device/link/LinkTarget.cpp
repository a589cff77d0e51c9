#include "device/link/LinkTarget.h"

#include <charconv>
#include <cstdio>

namespace vitalis {
namespace {

std::optional<int> HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return std::nullopt;
}

std::optional<LinkTarget> ParseTcp(std::string_view rest) {
    const size_t colon = rest.rfind(':');
    if (colon == std::string_view::npos || colon == 0) return std::nullopt;
    const std::string_view portText = rest.substr(colon + 1);
    unsigned port = 0;
    const auto [end, error] =
        std::from_chars(portText.data(), portText.data() + portText.size(), port);
    if (error != std::errc() || end != portText.data() + portText.size() || port == 0 ||
        port > 65535)
        return std::nullopt;
    LinkTarget target;
    target.kind = LinkTarget::Kind::Tcp;
    target.host = std::string(rest.substr(0, colon));
    target.port = static_cast<uint16_t>(port);
    return target;
}

}  // namespace

std::optional<uint64_t> ParseBluetoothAddress(std::string_view text) {
    if (text.size() != 17) return std::nullopt;
    uint64_t address = 0;
    for (size_t i = 0; i < 6; ++i) {
        const auto high = HexDigit(text[i * 3]);
        const auto low = HexDigit(text[i * 3 + 1]);
        if (!high || !low) return std::nullopt;
        if (i < 5 && text[i * 3 + 2] != ':') return std::nullopt;
        address = address << 8 | static_cast<uint64_t>(*high << 4 | *low);
    }
    return address;
}

std::string FormatBluetoothAddress(uint64_t address) {
    char text[18];
    std::snprintf(
        text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X",
        static_cast<unsigned>(address >> 40 & 0xFF), static_cast<unsigned>(address >> 32 & 0xFF),
        static_cast<unsigned>(address >> 24 & 0xFF), static_cast<unsigned>(address >> 16 & 0xFF),
        static_cast<unsigned>(address >> 8 & 0xFF), static_cast<unsigned>(address & 0xFF));
    return text;
}

std::optional<LinkTarget> ParseLinkTarget(std::string_view text) {
    if (text == "usb") return LinkTarget{};
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const std::string_view scheme = text.substr(0, colon);
    const std::string_view rest = text.substr(colon + 1);
    if (scheme == "serial") {
        if (rest.empty()) return std::nullopt;
        LinkTarget target;
        target.kind = LinkTarget::Kind::Serial;
        target.serialPort = std::string(rest);
        return target;
    }
    if (scheme == "bt") {
        const auto address = ParseBluetoothAddress(rest);
        if (!address) return std::nullopt;
        LinkTarget target;
        target.kind = LinkTarget::Kind::Bluetooth;
        target.bluetoothAddress = *address;
        return target;
    }
    if (scheme == "tcp") return ParseTcp(rest);
    return std::nullopt;
}

std::string FormatLinkTarget(const LinkTarget& target) {
    switch (target.kind) {
        case LinkTarget::Kind::Usb:
            return "usb";
        case LinkTarget::Kind::Serial:
            return "serial:" + target.serialPort;
        case LinkTarget::Kind::Bluetooth:
            return "bt:" + FormatBluetoothAddress(target.bluetoothAddress);
        case LinkTarget::Kind::Tcp:
            return "tcp:" + target.host + ":" + std::to_string(target.port);
    }
    return {};
}

}  // namespace vitalis
