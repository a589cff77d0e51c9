#pragma once

#include <optional>
#include <string_view>

namespace vitalis {

// A blood pressure taken in the clinic, kept beside the ambulatory readings so that the two
// can be compared.
struct OfficePressure {
    int sys = 0;  // mmHg
    int dia = 0;
    bool operator==(const OfficePressure&) const = default;
};

// Exactly two whole numbers "SYS/DIA", each 1 to 399; nothing else (no blanks, no sign).
std::optional<OfficePressure> ParseOfficePressure(std::string_view text);

// Both values as stored, or nothing when either is missing or not a pressure.
std::optional<OfficePressure> OfficePressureOf(int sys, int dia);

}  // namespace vitalis
