#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/clinical/ClinicalBlock.h"
#include "shell/ReportLayout.h"

namespace vitalis {

// "Clinical.rp": the clinical pages the layout prints and the clinical block they show. The
// report program cannot recompute the block (it has no case), so the block travels whole.
// The file is written only when one of the clinical pages is printed; its presence, not the
// header, tells the reader to read it, so the header keeps its size.
inline constexpr const char* kClinicalReportFile = "Clinical.rp";

struct ClinicalRecord {
    std::array<int, kClinicalPageCount> pages{};  // by kClinicalSummaryPage, kHourlyMeansPage
    clinical::ClinicalBlock block;
    bool operator==(const ClinicalRecord&) const;  // by their bytes
};

std::string EncodeClinical(const ClinicalRecord& record);
// Nothing (and why in `error`) for bytes cut short, impossible counts or enum values, an
// unknown guideline id, or bytes after the record's end.
std::optional<ClinicalRecord> DecodeClinical(std::string_view bytes, std::string& error);

}  // namespace vitalis
