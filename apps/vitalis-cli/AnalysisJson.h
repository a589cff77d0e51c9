#pragma once

#include <optional>

#include "RecordingJson.h"
#include "analysis/PeriodSummary.h"

namespace vitalis::cli {

// The full analysis of a recording as JSON: the report's calling order, then for each period
// its histograms and summary, then the correlation chart's data. The summaries use `ranges`
// for every period when given, else each period's starting ranges. A recording that cannot
// be divided still gives every member, with the zeros the views would show.
Json AnalysisJson(const Recording& recording, const std::optional<RangeBounds>& ranges);

}  // namespace vitalis::cli
