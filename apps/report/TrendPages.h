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
#include "shell/ReportGraphRecord.h"

namespace vitalis::report {

// A recording up to this long prints on one trend page; a longer one gets a page per day.
inline constexpr int64_t kOnePageMinutes = 26 * 60;

// The stretches of time the printed trend shows, one page each. With `pageMinutes` of 0 the
// whole recording goes on one page when it lasts no longer than 26 h; a longer one, or any
// fixed page length, is cut into windows of that length (a day when automatic) counted from
// the first reading, so that every night lies whole on one page. Windows without a reading
// are left out. Nothing for no rows.
std::vector<TimeWindow> TrendWindows(std::span<const TrendRow> rows, int64_t pageMinutes = 0);

// What the layout's graph options ask of the printed trend pages.
struct TrendPrint {
    bool strips = false;              // a SYS–DIA strip per reading in place of the curves
    int64_t pageMinutes = 0;          // the span of one page; 0 for automatic
    std::optional<TimeWindow> shown;  // the screen's window, printed in place of the whole
};
// The hand-off's choices; without a graph record, the trend as it always printed.
TrendPrint TrendPrintOf(const std::optional<GraphRecord>& graph);

// The windows of the printed trend. Without a screen window: TrendWindows. With one: that
// window on one page when automatic, else cut into pages of the scale's span from its start
// (the last one ending with it), leaving out pages without a reading.
std::vector<TimeWindow> PrintedWindows(std::span<const TrendRow> rows, const TrendPrint& print);

// A window as the page heading names it: its first and last date and time.
QString WindowText(const TimeWindow& window);

// The trend pages of a recording: the workstation's trend painter drawing each window over
// the page (as curves or as strips), the readings with a remark marked by their number above
// the plot and their remarks listed under it. A page that shows a part of the recording
// names its window in its heading.
std::vector<ReportPage> TrendPages(std::shared_ptr<const Recording> recording,
                                   std::shared_ptr<const ThresholdSettings> thresholds,
                                   const TextSource& texts, const TrendPrint& print = {});

}  // namespace vitalis::report
