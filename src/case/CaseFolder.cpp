#include "case/CaseFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "case/CalendarTime.h"
#include "case/CaseFileKeys.h"
#include "case/FileAccess.h"
#include "case/FileSystem.h"
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

std::string FileNameOf(const std::string& path) {
    return fs::path(path).filename().string();
}

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
    const auto options = fs::directory_options::skip_permission_denied;
    for (fs::recursive_directory_iterator it(folder, options, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError) && HasCaseExtension(it->path())) {
            files.push_back(it->path().string());
        }
    }
    return files;
}

CaseRow ReadCaseRow(const std::string& path) {
    ProfileStore store(path, ProfileOpen::ExistingOnly);
    ProfileStore::Batch batch(store);
    CaseRow row;
    row.fileName = FileNameOf(path);
    row.path = path;
    row.damage = CheckCaseFile(path, store);
    row.name = store.GetString(kPatientSection, "Name", "");
    row.id = store.GetString(kPatientSection, "ID", "");
    const std::string test = TestSection(store.GetString(kPatientSection, kTestCount, ""));
    row.begin = {store.GetInt(test, "YearBegin", 0), store.GetInt(test, "MonthBegin", 0),
                 store.GetInt(test, "DayBegin", 0), store.GetInt(test, "HourBegin", 0),
                 store.GetInt(test, "MinBegin", 0)};
    if (!IsValidClockTime(row.begin)) row.begin = {};
    row.readings = std::max(store.GetInt(test, "Count", 0), 0);
    return row;
}

std::vector<CaseRow> ListCaseFolder(const std::string& folder, CaseFileTable& table) {
    table.Clear();
    RemoveStaleTemporariesBelow(folder);
    std::vector<CaseRow> rows;
    for (const std::string& path : CaseFilesIn(folder)) {
        if (!table.Add(path)) break;
        rows.push_back(ReadCaseRow(path));
    }
    return rows;
}

std::string CaseRowDate(const CaseRow& row) {
    if (!IsValidClockTime(row.begin)) return {};
    return ShownDate(row.begin) + " " + ShownClock(row.begin.hour, row.begin.minute);
}

namespace {

// Folds ASCII capitals and the two-byte UTF-8 capitals À..Þ (but ×) to small letters, which
// covers the names of the workstation's languages; other bytes stay as they are.
std::string FoldCase(std::string_view text) {
    std::string folded(text);
    for (size_t i = 0; i < folded.size(); ++i) {
        const auto byte = static_cast<unsigned char>(folded[i]);
        if (byte == 0xC3 && i + 1 < folded.size()) {
            const auto next = static_cast<unsigned char>(folded[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97)
                folded[i + 1] = static_cast<char>(next + 0x20);
            ++i;
        } else {
            folded[i] = LowerAscii(folded[i]);
        }
    }
    return folded;
}

int CompareFolded(std::string_view a, std::string_view b) {
    return FoldCase(a).compare(FoldCase(b));
}

int CompareColumn(const CaseRow& a, const CaseRow& b, CaseColumn column) {
    switch (column) {
        case CaseColumn::Patient:
            return CompareFolded(a.name, b.name);
        case CaseColumn::Id:
            return CompareFolded(a.id, b.id);
        case CaseColumn::TestDate: {
            const long long left = IsValidClockTime(a.begin) ? MinutesOf(a.begin) : -1;
            const long long right = IsValidClockTime(b.begin) ? MinutesOf(b.begin) : -1;
            return left < right ? -1 : left > right ? 1 : 0;
        }
        case CaseColumn::Readings:
            return a.readings < b.readings ? -1 : a.readings > b.readings ? 1 : 0;
        case CaseColumn::File:
            return CompareFolded(a.fileName, b.fileName);
    }
    return 0;
}

}  // namespace

bool CaseRowBefore(const CaseRow& a, const CaseRow& b, CaseColumn column) {
    const int order = CompareColumn(a, b, column);
    return order != 0 ? order < 0 : a.path < b.path;
}

bool MatchesCaseSearch(const CaseRow& row, std::string_view text) {
    if (text.empty()) return true;
    const std::string wanted = FoldCase(text);
    return FoldCase(row.name).find(wanted) != std::string::npos ||
           FoldCase(row.id).find(wanted) != std::string::npos;
}

std::string CaseFolderWriteProblem(const std::string& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) return error.message();
    const std::string trial = (fs::path(folder) / ".vitalis-write-check").string();
    const FileSystem& files = SystemFileSystem();
    const OpenedFile opened = files.CreateNew(trial, 0600);
    if (opened.handle < 0 && opened.error != EEXIST) return std::strerror(opened.error);
    files.Close(opened.handle);
    files.Remove(trial);
    return {};
}

namespace {

bool IsMonitorAddress(const std::string& address) {
    return address.size() == 12 &&
           address.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
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

std::vector<std::string> CopyCases(const std::vector<std::string>& paths, const std::string& folder,
                                   const FileSystem& files) {
    std::vector<std::string> failed;
    // Last selected first, so that of two files of one name the first selected stays.
    for (auto it = paths.rbegin(); it != paths.rend(); ++it) {
        std::error_code error;
        const fs::path target = fs::path(folder) / fs::path(*it).filename();
        if (fs::equivalent(*it, target, error)) continue;  // copying a file onto itself
        const std::optional<FileContent> content = ReadWholeFile(*it);
        if (!content || !ReplaceFileContent(target.string(), content->bytes, files))
            failed.push_back(*it);
    }
    return failed;
}

}  // namespace vitalis
