#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "analysis/TimeAxis.h"
#include "shell/ReportGraphOptions.h"

namespace vitalis {

// "Graph.rp": how the trend pages are printed. Written beside the measurement list whenever
// a trend page is printed; the header and the list keep their sizes, and a folder without
// the file prints the trend as before (line graph, whole recording, automatic pages).
//
// 64 bytes, every field a little-endian 4-byte int:
//   graph type (0 line, 1 strip), same display (0/1), time scale (hours: 0, 12, 24, 48, 72),
//   window present (0/1), then the window's first and last minute as date-time blocks of six
//   ints (year, month, day, hour, minute, 0); both blocks zero when no window is present.
inline constexpr const char* kGraphReportFile = "Graph.rp";
inline constexpr size_t kGraphRecordBytes = 64;

struct GraphRecord {
    ReportGraphOptions options;
    // The stretch of time the screen's trend showed, when the layout prints as shown on
    // screen and the screen showed a part of the recording; nothing prints the whole.
    std::optional<TimeWindow> screenWindow;
    bool operator==(const GraphRecord&) const;
};

std::string EncodeGraph(const GraphRecord& record);
// Nothing (and why in `error`) for a record of another size, unknown values, an impossible
// date, a window that does not run forward, or window blocks without the presence flag.
std::optional<GraphRecord> DecodeGraph(std::string_view bytes, std::string& error);

}  // namespace vitalis
