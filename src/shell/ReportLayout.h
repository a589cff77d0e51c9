#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>
#include "case/TextSource.h"
#include "shell/ReportGraphOptions.h"

namespace vitalis {

// The page kinds a printed report can hold, in report order, with the key each layout
// stores its flag under and whether a new layout prints it.
struct ReportPageKind {
    std::string_view key;
    int defaultOn;
};

inline constexpr int kReportPageCount = 12;
inline constexpr std::array<ReportPageKind, kReportPageCount> kReportPages = {{
    {"Demographics Page", 1},
    {"Statistics Page", 0},
    {"BP Summary Page", 0},
    {"Colorized Graph Page", 0},
    {"Bar Graph Page", 1},
    {"BP Histogram Page", 1},
    {"BP Pie Page", 1},
    {"BP Correlation Page", 0},
    {"Frequency Histogram Page", 0},
    {"PR/MAP/PP Histogram Page", 0},
    {"Data Page", 1},
    {"Spo2 Page", 0},
}};
// The layout editor offers every kind but the last (the SpO2 page has no box of its own),
// and reading the current layout at start-up reads only these.
inline constexpr int kEditablePageCount = 11;

// The clinical page kinds. They are kept apart from the kinds above so that the report
// header, which carries one flag per kind above, keeps its size; their flags travel in the
// clinical hand-off record instead. A stored layout that predates them does not print them.
inline constexpr int kClinicalPageCount = 2;
inline constexpr int kClinicalSummaryPage = 0;
inline constexpr int kHourlyMeansPage = 1;
inline constexpr std::array<ReportPageKind, kClinicalPageCount> kClinicalPages = {{
    {"Clinical Summary Page", 1},
    {"Hourly Means Page", 1},
}};

// One report layout: its title and, per page kind, 1 when the report prints that page.
struct ReportLayout {
    std::string title;
    std::array<int, kReportPageCount> pages{};
    std::array<int, kClinicalPageCount> clinicalPages{};
    ReportGraphOptions graph;  // the trend pages' type, time scale and window

    static ReportLayout Defaults();  // empty title, default pages and graph options
    bool AnyPage() const;
    bool operator==(const ReportLayout&) const = default;
};

// The layout editor's checks on OK. Each returns the language key (section
// kLayoutEditorTextSection) of the reason to refuse, or an empty view when all is well.
inline constexpr std::string_view kLayoutEditorTextSection = kNoticeTexts;

// No page ticked: "IDS_REPOET_PAGE".
std::string_view RefuseLayoutPages(const ReportLayout& layout);
// A new layout's name, trimmed by the caller: empty, or unusable as a section of the layout
// file, gives "IDS_SPECIFY_FILE"; a name already in use (letter case ignored, as the file
// does) gives "IDS_DUPLICATE_FORMAT".
std::string_view RefuseNewLayoutName(std::string_view name,
                                     const std::vector<std::string>& existing);
// Both checks in the editor's order; the name is checked only for a new layout.
std::string_view RefuseLayoutEdit(const ReportLayout& layout, std::string_view name, bool isNew,
                                  const std::vector<std::string>& existing);

// Spaces, tabs and line breaks removed from both ends.
std::string TrimLayoutName(std::string_view name);
// True when the name can be a layout's own section: not empty, no brackets or line breaks,
// no spaces at its ends, and not the file's index section "INFO".
bool UsableLayoutName(std::string_view name);

}  // namespace vitalis
