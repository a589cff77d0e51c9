#pragma once

#include <array>
#include <string>

#include "case/AnalysisResults.h"
#include "case/TextSource.h"
#include "case/ThresholdSettings.h"

namespace vitalis {

// The statistics information dialog's table, as the texts it shows: one row each for the
// awake period, the asleep period and the whole recording; per row the count, mean SYS/DIA,
// mean PR, mean PP, SYS load and DIA load in percent, and the period's thresholds (empty for
// the whole recording). Loads are above-counts over the period's count, 0 for an empty period.
struct StatisticsTable {
    static constexpr int kColumns = 7;
    struct Row {
        std::string label;
        std::array<std::string, kColumns> cells;
    };

    std::string title;
    std::string confirmText;  // the button
    std::string copyText;     // the button that copies the table
    std::string copiedText;   // said once it has
    std::array<std::string, kColumns> columnCaptions;
    std::string loadCaption;     // heads the two load columns
    std::string pulseRateLabel;  // beside the pulse-rate column
    std::array<Row, 3> rows;     // awake, asleep, whole recording
};

// Needs the counts and above-counts of the division and ComputePeriodStats.
StatisticsTable BuildStatisticsTable(const AnalysisResults& results,
                                     const ThresholdSettings& thresholds, const TextSource& texts);

}  // namespace vitalis
