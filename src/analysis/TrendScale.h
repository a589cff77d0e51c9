#pragma once

#include <optional>
#include <span>
#include <vector>

#include "analysis/TrendRows.h"
#include "case/ThresholdSettings.h"

namespace vitalis {

// Grid steps up to an hour snap to the next quarter hour, so ticks fall on quarter, half and
// full hours: 1-15 give 15, 16-30 give 30, 31-45 give 45, 46-60 give 60. Longer steps and 0
// stay as they are.
int RoundGridStep(int minutes);

// The grid step for `spanMinutes` drawn over `widthPixels`, keeping ticks at least
// `minSpacingPixels` apart: a quarter-hour multiple up to an hour, then whole hours that
// divide a day, then whole days. Every step divides a day or is whole days, so ticks counted
// from midnight always meet the next midnight.
int ChooseGridStep(int64_t spanMinutes, double widthPixels, double minSpacingPixels);

// The pressures the vertical scale spans.
struct ValueRange {
    int low = 0;
    int high = 300;
    bool operator==(const ValueRange&) const = default;
};

// A range the graph can draw: 0 <= low < high <= 300.
bool IsDrawableRange(int low, int high);

// From the smallest DIA to the largest SYS of the rows, widened so that every threshold line
// and the pulse rates (drawn on the same scale) show, then out to whole tens. Nothing when that is
// not drawable (a reading above 300, a threshold outside 0..300); the graph then keeps the range it
// had.
std::optional<ValueRange> TrendValueRange(std::span<const TrendRow> rows,
                                          const ThresholdSettings& thresholds);

// y of value `v` on a scale from `bottom` (range.low) up to `top` (range.high).
double ValueToY(const ValueRange& range, double v, double top, double bottom);

// The labelled values of the vertical scale: multiples of a step of 10, 20, 25, 50 or 100
// mmHg, the finest that keeps labels `minSpacing` apart over `heightPixels`.
std::vector<int> ValueTicks(const ValueRange& range, double heightPixels, double minSpacing);

}  // namespace vitalis
