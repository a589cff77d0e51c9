#pragma once

#include <span>

#include "case/AnalysisResults.h"
#include "case/ThresholdSettings.h"

namespace vitalis {

// Extremes with their moments, mean and range split of one parameter over one period.
struct SummaryBlock {
    int maxValue = 0;
    int maxHour = 0;
    int maxMinute = 0;
    int maxDay = 0;
    int maxMonth = 0;
    int maxYear = 0;
    int minValue = 0;
    int minHour = 0;
    int minMinute = 0;
    int minDay = 0;
    int minMonth = 0;
    int minYear = 0;
    float mean = 0.0f;
    double belowFraction = 0.0;
    double withinFraction = 0.0;
    double aboveFraction = 0.0;
};

// What the statistics panel and the pie chart show for the period chosen in the view.
struct PeriodSummary {
    SummaryBlock sys, dia, pr;
};

// The user's ranges for the pie chart. Bounds are taken as given, never reordered.
struct RangeBounds {
    int sysLow = 100;
    int sysHigh = 140;
    int diaLow = 60;
    int diaHigh = 90;
    int prLow = 60;
    int prHigh = 100;
    bool operator==(const RangeBounds&) const = default;
};

// The bounds of the first summary after a case is opened.
inline constexpr RangeBounds kFirstSummaryRanges{};

// The bounds a period's range controls start with: the pressures' upper bounds are that
// period's thresholds (the awake ones for the whole recording).
RangeBounds InitialRanges(Period period, const ThresholdSettings& thresholds);

// Shares of values at or below `low`, above `low` up to `high`, and above `high`.
struct RangeSplit {
    double below = 0.0;
    double within = 0.0;
    double above = 0.0;
};
RangeSplit SplitByRange(std::span<const int> values, int low, int high);

// The summary of one period from the division's lists and ComputePeriodStats' figures.
// A period without readings gives an empty summary.
PeriodSummary BuildPeriodSummary(const AnalysisResults& results, Period period,
                                 const RangeBounds& bounds);

}  // namespace vitalis
