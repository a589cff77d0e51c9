#pragma once

#include <string>
#include <vector>

#include "case/CaseWriter.h"
#include "case/Measurement.h"
#include "case/StagedFile.h"
#include "case/TextSource.h"

namespace vitalis {

// The monitor's own filing: each reading goes into the case file of its calendar month,
// "<folder>/<year>/<month>.awp", which is created with the patient keys, the monitor's type
// and address and a test begin taken from its first reading when it does not exist yet.
// A reading counts as failed unless its result code is 0 or 3.
//
// The same recording is downloaded again and again, so a reading already in the file (the
// same clock time and values, whatever the clinician marked on it) is not filed twice; the
// new ones are appended in time order. A reading without a real date cannot be filed: it is
// left out and counted. The files are written all or none: every month is staged first
// and only then put in place.
struct SplitWriteResult {
    bool ok = false;
    std::vector<std::string> paths;  // the files of the readings, in the order first used
    std::string failedPath;          // when not ok: the file that could not be written
    int skipped = 0;                 // readings left out for want of a real date
    int alreadyFiled = 0;            // readings the files held before
};
// The same in two steps: every month staged, for the caller to install with other files
// (InstallStagedFiles). Nothing is staged when not ok.
struct StagedMonths {
    SplitWriteResult result;
    std::vector<StagedFile> files;
};
StagedMonths StageMonthlyCases(const std::string& folder, const std::vector<Measurement>& readings,
                               const CaseHeader& header, const TextSource& texts);
SplitWriteResult WriteMonthlyCases(const std::string& folder,
                                   const std::vector<Measurement>& readings,
                                   const CaseHeader& header, const TextSource& texts);

}  // namespace vitalis
