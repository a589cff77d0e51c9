#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vitalis {

// How the printed trend page draws the readings: curves, or one SYS–DIA strip per reading.
enum class GraphType { Line = 0, Strip = 1 };

// The layout's choices for the printed trend pages, kept in its section of the layout file.
// A layout stored without them prints as it did before they existed: line graph, the whole
// recording, one page or a page per day.
struct ReportGraphOptions {
    GraphType type = GraphType::Line;
    // The printed trend shows the stretch of time the screen's trend shows.
    bool sameDisplay = false;
    // Hours of one trend page: 12, 24, 48 or 72; 0 is automatic (one page up to 26 hours,
    // else a page per day).
    int scaleHours = 0;
    bool operator==(const ReportGraphOptions&) const = default;
};

inline constexpr std::string_view kGraphTypeKey = "Graph Type";      // 0 line, 1 strip
inline constexpr std::string_view kSameDisplayKey = "Same Display";  // 0 or 1
inline constexpr std::string_view kGraphScaleKey = "Graph Scale";    // hours, 0 automatic

// The time scales offered, in the editor's order; automatic last.
inline constexpr std::array<int, 5> kGraphScales = {12, 24, 48, 72, 0};

bool KnownGraphScale(int hours);
// A stored type or scale outside the known values reads as the default.
GraphType GraphTypeFromStored(int stored);
int GraphScaleFromStored(int stored);
// Minutes of one trend page; 0 for automatic.
int64_t GraphPageMinutes(const ReportGraphOptions& options);

}  // namespace vitalis
