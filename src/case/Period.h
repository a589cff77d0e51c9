#pragma once

#include <array>
#include <optional>

namespace vitalis {

// The stretches of a recording the analysis summarises. The numbers are the codes the views
// and the report use.
enum class Period { Whole = 1, Awake = 2, Asleep = 3 };

inline constexpr std::array<Period, 3> kPeriods{Period::Whole, Period::Awake, Period::Asleep};

// Position of a period in the per-period arrays of the results: 0 whole, 1 awake, 2 asleep.
// A value that names no period counts as the whole recording, as the period lists do.
constexpr int PeriodSlot(Period period) {
    const int code = static_cast<int>(period);
    return (code >= 1 && code <= 3) ? code - 1 : 0;
}

// The period of a code (1 whole, 2 awake, 3 asleep); nothing for any other number.
constexpr std::optional<Period> PeriodFromCode(int code) {
    if (code < 1 || code > 3) return std::nullopt;
    return static_cast<Period>(code);
}

}  // namespace vitalis
