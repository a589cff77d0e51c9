#pragma once

#include <string>
#include <vector>

#include "case/CalendarTime.h"

namespace vitalis {

// One row of the case lists: who, when, and which file.
struct CaseRow {
    std::string name;       // "Name" of "PATIENT DATA"
    std::string id;         // "ID"
    std::string testBegin;  // "TestBeginDate" of the test section, "no String" when absent
    std::string fileName;
    std::string path;
};

// The paths of a folder's last full listing, shared by the open, copy and delete dialogs.
// A listing keeps at most kCapacity files; a search finds its files among them.
class CaseFileTable {
public:
    static constexpr size_t kCapacity = 2000;
    void Clear() { paths_.clear(); }
    bool Add(const std::string& path);  // false when full
    const std::vector<std::string>& paths() const { return paths_; }
    // The path of a listed file by its file name (letter case ignored), or empty.
    std::string FindByFileName(const std::string& fileName) const;

private:
    std::vector<std::string> paths_;
};

// The case files (*.awp, any letter case) of a folder, in the order the file system gives.
std::vector<std::string> CaseFilesIn(const std::string& folder);

CaseRow ReadCaseRow(const std::string& path);

// Lists a folder afresh: the table is emptied and refilled, up to its capacity.
std::vector<CaseRow> ListCaseFolder(const std::string& folder, CaseFileTable& table);

enum class CaseSearch { ByName, ById, ByBeginDate };
// Rows of the folder's files that match: the text inside "Name" or "ID" (letter case counts),
// or a test begin on the given date. The table is left as it is.
std::vector<CaseRow> SearchCaseFolder(const std::string& folder, CaseSearch by,
                                      const std::string& text, const CalendarDate& date);

// Whether a case file came from a monitor this workstation reads, so the Open command may
// open it: "Type" empty or "Heron", and "BTH_ADDR" one of the fixed addresses the download
// writes by monitor generation, or with "Type" "Heron" any twelve-hex-digit monitor address.
bool IsCompatibleCase(const std::string& path);

// Removes the files, except the case that is open (paths compared without letter case).
struct DeleteResult {
    std::vector<std::string> deleted;
    std::vector<std::string> refused;  // the open case
    std::vector<std::string> failed;   // could not be removed
};
DeleteResult DeleteCases(const std::vector<std::string>& paths, const std::string& openCasePath);

// Copies the files into a folder, replacing files of the same name. Returns the paths that
// could not be copied.
std::vector<std::string> CopyCases(const std::vector<std::string>& paths, const std::string& folder);

}  // namespace vitalis
