#pragma once

#include <optional>
#include <string>
#include <vector>

#include "case/CalendarTime.h"
#include "case/CaseWriter.h"
#include "case/MonthlyCases.h"
#include "case/TextSource.h"
#include "device/heron/HeronDownloadData.h"

namespace vitalis {

// Where a Heron download files its readings, below the case folder: the monthly files in
// the folder named by the language's "IDS_TRE_PRESSURE", the one-file data sets in the
// folder named by "IDS_USER1", as "YYYYMMDDhhmmss.awp" from the computer's clock when the
// download began.
struct HeronDestinations {
    std::string monthlyFolder;
    std::string singleFile;
};
HeronDestinations MakeHeronDestinations(const std::string& caseFolder, const TextSource& texts,
                                        const LocalTime& now);

// The case header of a Heron download: the monitor's type, its address and the programmed
// schedule from the header packet. The test begin is the first measurement the monitor
// was programmed for; when the header gives none that is a real time, the first reading.
CaseHeader MakeHeronCaseHeader(const HeronDownloadData& data, int variant);

// Writes what a whole data phase brought: the one-file readings into a single case file
// (readings and header in one replace, so it always opens), the others into the monthly
// files. Every file is staged before any is put in place, so a failure changes none.
struct HeronWriteResult {
    bool ok = false;
    std::vector<std::string> paths;  // written, one-file data set first
    std::string failedPath;          // when not ok: the file that could not be written
    int skipped = 0;                 // monthly readings left out for want of a real date
};
HeronWriteResult WriteHeronCases(const HeronDownloadData& data, const HeronDestinations& where,
                                 int variant, const TextSource& texts);

}  // namespace vitalis
