#pragma once

#include <array>

namespace vitalis {

// The stretches of a recording the analysis summarises. The numbers are the codes the views
// and the report use.
enum class Period { Whole = 1, Awake = 2, Asleep = 3 };

inline constexpr std::array<Period, 3> kPeriods{Period::Whole, Period::Awake, Period::Asleep};

// Position of a period in the per-period arrays of the results: 0 whole, 1 awake, 2 asleep.
constexpr int PeriodSlot(Period period) {
    return static_cast<int>(period) - 1;
}

}  // namespace vitalis
