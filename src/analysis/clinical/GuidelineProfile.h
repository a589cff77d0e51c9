#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "case/Period.h"

namespace vitalis::clinical {

// A pair of limits in mmHg: a mean at or above either one is elevated.
struct PressureLimit {
    int sys = 0;
    int dia = 0;
    bool operator==(const PressureLimit&) const = default;
};

// The thresholds one guideline sets for the ambulatory periods and the office reading.
struct GuidelineProfile {
    std::string_view id;
    std::string_view name;
    std::array<std::optional<PressureLimit>, 3> periods;  // by PeriodSlot; none: not judged
    PressureLimit office;

    const std::optional<PressureLimit>& Limit(Period period) const {
        return periods[PeriodSlot(period)];
    }
};

inline constexpr std::string_view kDefaultGuidelineId = "esh2023";

// Every profile, the default first.
std::span<const GuidelineProfile> GuidelineProfiles();
// The profile of an id (compared exactly), or null.
const GuidelineProfile* FindGuideline(std::string_view id);
// The profile of an id, the default one for an unknown id.
const GuidelineProfile& GuidelineOrDefault(std::string_view id);

}  // namespace vitalis::clinical
