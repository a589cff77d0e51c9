#include "analysis/TrendScale.h"

#include <algorithm>
#include <cmath>

namespace vitalis {

int RoundGridStep(int minutes) {
    if (minutes < 1 || minutes > 60) return minutes;
    return (minutes + 14) / 15 * 15;
}

int ChooseGridStep(int64_t spanMinutes, double widthPixels, double minSpacingPixels) {
    if (spanMinutes <= 0 || widthPixels <= 0) return 60;
    const double wanted = static_cast<double>(spanMinutes) * minSpacingPixels / widthPixels;
    if (wanted <= 60) return RoundGridStep(std::max(1, static_cast<int>(std::ceil(wanted))));
    for (const int hours : {2, 3, 4, 6, 12, 24}) {
        if (wanted <= hours * 60) return hours * 60;
    }
    return static_cast<int>(std::ceil(wanted / 1440.0)) * 1440;
}

bool IsDrawableRange(int low, int high) {
    return 0 <= low && low < high && high <= 300;
}

std::optional<ValueRange> TrendValueRange(std::span<const TrendRow> rows,
                                          const ThresholdSettings& thresholds) {
    int low = 999;
    int high = -1;
    for (const TrendRow& row : rows) {
        low = std::min({low, row.dia, row.pr});
        high = std::max({high, row.sys, row.pr});
    }
    high = std::max({high, thresholds.awakeSys, thresholds.asleepSys});
    low = std::min({low, thresholds.awakeDia, thresholds.asleepDia});
    if (!IsDrawableRange(low, high)) return std::nullopt;
    return ValueRange{low / 10 * 10, std::min(300, (high + 9) / 10 * 10)};
}

double ValueToY(const ValueRange& range, double v, double top, double bottom) {
    return bottom - (bottom - top) / (range.high - range.low) * (v - range.low);
}

std::vector<int> ValueTicks(const ValueRange& range, double heightPixels, double minSpacing) {
    std::vector<int> ticks;
    if (range.high <= range.low || heightPixels <= 0) return ticks;
    const double perUnit = heightPixels / (range.high - range.low);
    int step = 100;
    for (const int candidate : {10, 20, 25, 50, 100}) {
        if (candidate * perUnit >= minSpacing) {
            step = candidate;
            break;
        }
    }
    for (int v = (range.low + step - 1) / step * step; v <= range.high; v += step) {
        ticks.push_back(v);
    }
    return ticks;
}

}  // namespace vitalis
