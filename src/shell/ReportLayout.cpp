#include "shell/ReportLayout.h"

#include <algorithm>

#include "shell/LanguageTable.h"

namespace vitalis {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

ReportLayout ReportLayout::Defaults() {
    ReportLayout layout;
    for (int i = 0; i < kReportPageCount; ++i) layout.pages[i] = kReportPages[i].defaultOn;
    for (int i = 0; i < kClinicalPageCount; ++i)
        layout.clinicalPages[i] = kClinicalPages[i].defaultOn;
    return layout;
}

bool ReportLayout::AnyPage() const {
    const auto on = [](int flag) { return flag != 0; };
    return std::any_of(pages.begin(), pages.end(), on) ||
           std::any_of(clinicalPages.begin(), clinicalPages.end(), on);
}

std::string TrimLayoutName(std::string_view name) {
    while (!name.empty() && IsBlank(name.front())) name.remove_prefix(1);
    while (!name.empty() && IsBlank(name.back())) name.remove_suffix(1);
    return std::string(name);
}

bool UsableLayoutName(std::string_view name) {
    if (name.empty() || IsBlank(name.front()) || IsBlank(name.back())) return false;
    // The layout file keeps its list of names in "INFO": a layout of that name would write
    // its pages into the list, and deleting it would lose every layout.
    if (EqualsIgnoringCase(name, "INFO")) return false;
    return name.find_first_of("[]\r\n") == std::string_view::npos;
}

std::string_view RefuseLayoutPages(const ReportLayout& layout) {
    return layout.AnyPage() ? std::string_view() : "IDS_REPOET_PAGE";
}

std::string_view RefuseNewLayoutName(std::string_view name,
                                     const std::vector<std::string>& existing) {
    if (!UsableLayoutName(name)) return "IDS_SPECIFY_FILE";
    for (const std::string& other : existing) {
        if (EqualsIgnoringCase(other, name)) return "IDS_DUPLICATE_FORMAT";
    }
    return {};
}

std::string_view RefuseLayoutEdit(const ReportLayout& layout, std::string_view name, bool isNew,
                                  const std::vector<std::string>& existing) {
    const std::string_view pages = RefuseLayoutPages(layout);
    if (!pages.empty() || !isNew) return pages;
    return RefuseNewLayoutName(name, existing);
}

}  // namespace vitalis
