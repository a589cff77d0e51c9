#include "device/link/ComPortNames.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

namespace vitalis {
namespace {

constexpr std::array<std::string_view, 4> kFamilies{"ttyUSB", "ttyACM", "rfcomm", "ttyS"};

// Family rank and number of a device name; nothing for names outside the families.
std::optional<std::pair<size_t, unsigned long>> Rank(std::string_view name) {
    for (size_t family = 0; family < kFamilies.size(); ++family) {
        const std::string_view prefix = kFamilies[family];
        if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) continue;
        const std::string_view digits = name.substr(prefix.size());
        if (digits.size() > 6 || !std::all_of(digits.begin(), digits.end(), [](char c) {
                return std::isdigit(static_cast<unsigned char>(c)) != 0;
            }))
            return std::nullopt;
        return std::pair{family, std::stoul(std::string(digits))};
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::string> WindowsComPortNames() {
    std::vector<std::string> names{"COM1", "COM2"};
    for (int i = 4; i <= 255; ++i) names.push_back("COM" + std::to_string(i));
    names.push_back("COM3");
    return names;
}

std::vector<std::string> OrderLinuxPortNames(std::vector<std::string> names) {
    std::erase_if(names, [](const std::string& name) { return !Rank(name); });
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return *Rank(a) < *Rank(b); });
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

std::string DescriptionFromFriendlyName(std::string_view friendlyName) {
    std::string_view text = friendlyName;
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.back() == ')') {
        const size_t open = text.rfind('(');
        if (open != std::string_view::npos) text = text.substr(0, open);
    }
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::string(text);
}

}  // namespace vitalis
