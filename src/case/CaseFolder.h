#pragma once

#include <string>
#include <vector>

#include "case/CalendarTime.h"
#include "case/CaseReadError.h"
#include "case/FileSystem.h"

namespace vitalis {

// One row of the case lists: who, when, how many readings, and which file.
struct CaseRow {
    std::string name;      // "Name" of "PATIENT DATA"
    std::string id;        // "ID"
    ClockTime begin;       // the test's begin fields; zeros when the file has none
    int readings = 0;      // "Count" of the test section
    CaseReadError damage;  // why the file cannot be opened, when it cannot
    std::string fileName;
    std::string path;
};

// The row's test begin in the one date format of the workstation ("dd-mm-yyyy hh:mm", as
// the reading list shows dates); empty when the file gives no valid begin.
std::string CaseRowDate(const CaseRow& row);

// The columns a case list sorts by.
enum class CaseColumn { Patient, Id, TestDate, Readings, File };
// Whether a comes before b in ascending order of the column. Names and identifiers compare
// without letter case; rows that tie compare by path, so an order never depends on the walk.
bool CaseRowBefore(const CaseRow& a, const CaseRow& b, CaseColumn column);

// Whether the search text occurs in the patient's name or identifier, letter case ignored
// (ASCII and the Latin letters of Western European names). An empty text matches every row.
bool MatchesCaseSearch(const CaseRow& row, std::string_view text);

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

// The case files (*.awp, any letter case) of a folder and of every folder inside it (the
// Heron download files by year and month), in the order the file system gives. Folders that
// cannot be entered are passed over.
std::vector<std::string> CaseFilesIn(const std::string& folder);

// The row of one file; a damaged or foreign file still gets one, with the reason.
CaseRow ReadCaseRow(const std::string& path);

// Lists a folder afresh: the table is emptied and refilled, up to its capacity.
std::vector<CaseRow> ListCaseFolder(const std::string& folder, CaseFileTable& table);

// Why case files cannot be written below the folder, empty when they can: the folder is
// created when missing, and a trial file is made and removed again, so a download learns
// before the first byte, not after the last reading, that its files would be lost.
std::string CaseFolderWriteProblem(const std::string& folder);

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

// Copies the files into a folder, replacing files of the same name. Each copy replaces its
// target whole or not at all, so a copy that fails (a full disk, say) never costs the case
// that was there. Returns the paths that could not be copied.
std::vector<std::string> CopyCases(const std::vector<std::string>& paths, const std::string& folder,
                                   const FileSystem& files = SystemFileSystem());

}  // namespace vitalis
