#include "case/OfficePressure.h"

#include <charconv>

namespace vitalis {
namespace {

constexpr int kHighestPressure = 399;

bool IsPressure(int value) {
    return value >= 1 && value <= kHighestPressure;
}

// A run of decimal digits only: from_chars alone would take a leading minus sign.
std::optional<int> Digits(std::string_view text) {
    if (text.empty() || text.size() > 3) return std::nullopt;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

std::optional<OfficePressure> ParseOfficePressure(std::string_view text) {
    const size_t slash = text.find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    const std::optional<int> sys = Digits(text.substr(0, slash));
    const std::optional<int> dia = Digits(text.substr(slash + 1));
    if (!sys || !dia) return std::nullopt;
    return OfficePressureOf(*sys, *dia);
}

std::optional<OfficePressure> OfficePressureOf(int sys, int dia) {
    if (!IsPressure(sys) || !IsPressure(dia)) return std::nullopt;
    return OfficePressure{sys, dia};
}

}  // namespace vitalis
