#include "case/CaseFolder.h"

#include <filesystem>

#include "case/CaseFileKeys.h"
#include "case/IniDocument.h"
#include "case/ProfileStore.h"
#include "case/TemporaryFiles.h"

namespace vitalis {
namespace {

namespace fs = std::filesystem;
using namespace casekeys;

bool HasCaseExtension(const fs::path& path) {
    return EqualsIgnoringCase(path.extension().string(), ".awp");
}

std::string FileNameOf(const std::string& path) { return fs::path(path).filename().string(); }

}  // namespace

bool CaseFileTable::Add(const std::string& path) {
    if (paths_.size() >= kCapacity) return false;
    paths_.push_back(path);
    return true;
}

std::string CaseFileTable::FindByFileName(const std::string& fileName) const {
    for (const std::string& path : paths_) {
        if (EqualsIgnoringCase(FileNameOf(path), fileName)) return path;
    }
    return {};
}

std::vector<std::string> CaseFilesIn(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError) && HasCaseExtension(it->path())) {
            files.push_back(it->path().string());
        }
    }
    return files;
}

namespace {

// A row and its test-begin date, read with one look at the file.
struct CaseListing {
    CaseRow row;
    CalendarDate begin;
};

CaseListing ReadCaseListing(const std::string& path) {
    ProfileStore store(path, ProfileOpen::ExistingOnly);
    ProfileStore::Batch batch(store);
    CaseListing listing;
    CaseRow& row = listing.row;
    row.name = store.GetString(kPatientSection, "Name", "");
    row.id = store.GetString(kPatientSection, "ID", "");
    const std::string test = TestSection(store.GetString(kPatientSection, kTestCount, ""));
    row.testBegin = store.GetString(test, "TestBeginDate", "no String");
    row.fileName = FileNameOf(path);
    row.path = path;
    listing.begin = {store.GetInt(test, "YearBegin", 0), store.GetInt(test, "MonthBegin", 0),
                     store.GetInt(test, "DayBegin", 0)};
    return listing;
}

}  // namespace

CaseRow ReadCaseRow(const std::string& path) { return ReadCaseListing(path).row; }

std::vector<CaseRow> ListCaseFolder(const std::string& folder, CaseFileTable& table) {
    table.Clear();
    RemoveStaleTemporaries(folder);
    std::vector<CaseRow> rows;
    for (const std::string& path : CaseFilesIn(folder)) {
        if (!table.Add(path)) break;
        rows.push_back(ReadCaseRow(path));
    }
    return rows;
}

std::vector<CaseRow> SearchCaseFolder(const std::string& folder, CaseSearch by,
                                      const std::string& text, const CalendarDate& date) {
    std::vector<CaseRow> rows;
    for (const std::string& path : CaseFilesIn(folder)) {
        CaseListing listing = ReadCaseListing(path);
        bool match = false;
        if (by == CaseSearch::ByName) {
            match = listing.row.name.find(text) != std::string::npos;
        } else if (by == CaseSearch::ById) {
            match = listing.row.id.find(text) != std::string::npos;
        } else {
            match = listing.begin == date;
        }
        if (match) rows.push_back(std::move(listing.row));
    }
    return rows;
}

namespace {

bool IsMonitorAddress(const std::string& address) {
    return address.size() == 12 && address.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
}

}  // namespace

bool IsCompatibleCase(const std::string& path) {
    ProfileStore store(path, ProfileOpen::ExistingOnly);
    ProfileStore::Batch batch(store);
    const std::string address = store.GetString(kPatientSection, "BTH_ADDR", kNoString);
    const std::string type = store.GetString(kPatientSection, "Type", "");
    if (!type.empty() && type != "Heron") return false;
    // The fixed addresses the download's header writer stores, by monitor generation.
    if (address == "000000000101" || address == "0000000001FF" || address == "000000000201")
        return true;
    // The Heron download stores the address of the monitor it talked to: its own files must
    // open, whatever that address is.
    return type == "Heron" && IsMonitorAddress(address);
}

DeleteResult DeleteCases(const std::vector<std::string>& paths, const std::string& openCasePath) {
    DeleteResult result;
    for (const std::string& path : paths) {
        if (!openCasePath.empty() && EqualsIgnoringCase(path, openCasePath)) {
            result.refused.push_back(path);
            continue;
        }
        std::error_code error;
        if (fs::remove(path, error)) {
            result.deleted.push_back(path);
        } else {
            result.failed.push_back(path);
        }
    }
    return result;
}

std::vector<std::string> CopyCases(const std::vector<std::string>& paths, const std::string& folder) {
    std::vector<std::string> failed;
    // Last selected first, so that of two files of one name the first selected stays.
    for (auto it = paths.rbegin(); it != paths.rend(); ++it) {
        std::error_code error;
        const fs::path target = fs::path(folder) / fs::path(*it).filename();
        if (fs::equivalent(*it, target, error)) continue;  // copying a file onto itself
        fs::copy_file(*it, target, fs::copy_options::overwrite_existing, error);
        if (error) failed.push_back(*it);
    }
    return failed;
}

}  // namespace vitalis
