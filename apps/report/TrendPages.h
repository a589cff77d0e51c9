#pragma once

#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "ReportPage.h"
#include "analysis/TimeAxis.h"
#include "analysis/TrendRows.h"
#include "case/Recording.h"
#include "case/TextSource.h"
#include "case/ThresholdSettings.h"

namespace vitalis::report {

// A recording up to this long prints on one trend page; a longer one gets a page per day.
inline constexpr int64_t kOnePageMinutes = 26 * 60;

// The stretches of time the printed trend shows, one page each. With `pageMinutes` of 0 the
// whole recording goes on one page when it lasts no longer than 26 h; a longer one, or any
// fixed page length, is cut into windows of that length (a day when automatic) counted from
// the first reading, so that every night lies whole on one page. Windows without a reading
// are left out. Nothing for no rows.
std::vector<TimeWindow> TrendWindows(std::span<const TrendRow> rows, int64_t pageMinutes = 0);

// A window as the page heading names it: its first and last date and time.
QString WindowText(const TimeWindow& window);

// The trend pages of a recording: the workstation's trend painter drawing each window over
// the page, the readings with a remark marked by their number above the plot and their
// remarks listed under it.
std::vector<ReportPage> TrendPages(std::shared_ptr<const Recording> recording,
                                   std::shared_ptr<const ThresholdSettings> thresholds,
                                   const TextSource& texts, int64_t pageMinutes = 0);

}  // namespace vitalis::report
