#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/TimeAxis.h"
#include "case/AnalysisResults.h"
#include "case/Recording.h"
#include "shell/AppConfig.h"
#include "shell/ReportData.h"

namespace vitalis {

// What the report of a recording shows, for the pages the layout turns on. `results` is the
// report-order analysis of the recording. The clinical pages judge the figures against the
// guideline of that id (the default one when empty or unknown) and the case's office reading.
// `screenWindow` is the part of the recording the screen's trend shows (nothing when it shows
// the whole); the trend pages print it only when the layout prints as shown on screen.
ReportData BuildReportData(const Recording& recording, const AnalysisResults& results,
                           const ReportLayout& layout, std::string_view guideline = {},
                           std::optional<TimeWindow> screenWindow = std::nullopt);

// The report analysis of a recording (apart from the view's figures, which stay as they
// are) and what the layout's pages show of it: the same data whether the report goes to the
// report program or straight to a file.
ReportData PrepareReportData(const Recording& recording, const ReportLayout& layout,
                             std::string_view guideline = {},
                             std::optional<TimeWindow> screenWindow = std::nullopt);

struct ReportExportResult {
    bool ok = false;
    std::string message;  // for the user when the export stopped
    std::string folder;   // the hand-off folder
    std::vector<std::string> written;
};

// The report command's work before the report program starts: runs the report analysis on
// the open recording (apart from the view's figures, which stay as they are), writes the
// hand-off files of the current layout's pages (judged against the configured guideline),
// and records the case path in the start
// file. When the report cannot be written the case path is left alone.
ReportExportResult ExportReport(const Recording& recording, const AppConfig& config,
                                std::optional<TimeWindow> screenWindow = std::nullopt);

}  // namespace vitalis
