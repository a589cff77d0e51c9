#pragma once

#include <optional>
#include <string>
#include <vector>

#include "shell/ReportData.h"

namespace vitalis {

// The names of the hand-off files.
inline constexpr const char* kReportHeaderFile = "Report.txt";
std::string ReportPageFileName(int pageNumber);  // "1.rp"; pages 4 and 5 share "45.rp"

struct ReportWriteResult {
    bool ok = false;
    std::string error;                 // why the report cannot be made; empty when ok
    std::vector<std::string> written;  // file names, in the order written
};

// Writes the header and every record present into the folder, created when needed, after
// removing the files of an earlier run. The header and the first page carry the report:
// when either cannot be written nothing after it is written and the result fails; any other
// page that cannot be written is left out.
ReportWriteResult WriteReportFiles(const std::string& folder, const ReportData& data);

struct ReportReadResult {
    std::optional<ReportData> data;
    std::string error;                 // names the file and what is wrong with it
    std::vector<std::string> missing;  // page files the header asks for but the folder lacks
};

// Reads the header and the records of the pages it turns on. A page file that is missing
// leaves its page out; one that is cut short or corrupt fails the whole read.
ReportReadResult ReadReportFiles(const std::string& folder);

// No hand-off file is larger than this.
inline constexpr long long kMaxReportFileBytes = 64LL * 1024 * 1024;

}  // namespace vitalis
