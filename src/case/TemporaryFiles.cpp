#include "case/TemporaryFiles.h"

#include <atomic>
#include <ctime>
#include <filesystem>

#include "case/FileAccess.h"
#include "case/ProcessIdentity.h"

namespace vitalis {
namespace {

bool AllDigits(const std::string& text, size_t begin, size_t end) {
    if (begin >= end || end > text.size()) return false;
    for (size_t i = begin; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
    }
    return true;
}

// "<digits>_<digits>" between begin and end.
bool IsProcessAndCounter(const std::string& text, size_t begin, size_t end) {
    const size_t underscore = text.find('_', begin);
    return underscore != std::string::npos && underscore < end &&
           AllDigits(text, begin, underscore) && AllDigits(text, underscore + 1, end);
}

bool IsCurrentPattern(const std::string& name) {
    return name.starts_with(".vt") && name.ends_with(".tmp") &&
           IsProcessAndCounter(name, 3, name.size() - 4);
}

bool IsEarlierPattern(const std::string& name) {
    if (name.size() < 2 || name[0] != '.') return false;
    const size_t tmp = name.rfind(".tmp");
    return tmp != std::string::npos && tmp > 1 && IsProcessAndCounter(name, tmp + 4, name.size());
}

// The whole seconds of the modification time, rounded down as the system's clock counts them.
std::time_t ModifiedSeconds(const FileStatus& status) {
    const int64_t ns = status.identity.modifiedNs;
    const int64_t seconds = ns / 1000000000 - (ns % 1000000000 < 0 ? 1 : 0);
    return static_cast<std::time_t>(seconds);
}

}  // namespace

std::string TemporaryPathBeside(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    const std::string name = ".vt" + std::to_string(ThisProcess().ProcessNumber()) + "_" +
                             std::to_string(counter++) + ".tmp";
    const std::string folder = ParentFolder(target);
    if (folder.empty()) return name;
    return folder == "/" ? "/" + name : folder + "/" + name;
}

bool IsOurTemporaryName(const std::string& fileName) {
    return IsCurrentPattern(fileName) || IsEarlierPattern(fileName);
}

int RemoveStaleTemporaries(const std::string& folder) {
    namespace fs = std::filesystem;
    const std::time_t now = std::time(nullptr);
    int removed = 0;
    std::error_code error;
    const fs::path where = folder.empty() ? fs::path(".") : fs::path(folder);
    for (fs::directory_iterator it(where, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!IsOurTemporaryName(name)) continue;
        const std::optional<FileStatus> st = SystemFileSystem().LinkStatusOf(it->path().string());
        if (!st || !st->regular) continue;
        // A younger one may belong to a save under way.
        if (now - ModifiedSeconds(*st) < kStaleTemporarySeconds) continue;
        if (SystemFileSystem().Remove(it->path().string()) == 0) ++removed;
    }
    return removed;
}

int RemoveStaleTemporariesBelow(const std::string& folder, int maxDepth) {
    namespace fs = std::filesystem;
    int removed = RemoveStaleTemporaries(folder);
    std::error_code error;
    const fs::path top = folder.empty() ? fs::path(".") : fs::path(folder);
    // Without follow_directory_symlink the walk never enters a linked folder.
    const auto options = fs::directory_options::skip_permission_denied;
    for (fs::recursive_directory_iterator it(top, options, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code typeError;
        if (it->is_symlink(typeError) || !it->is_directory(typeError)) continue;
        const int level = it.depth() + 1;
        if (level >= maxDepth) it.disable_recursion_pending();
        if (level <= maxDepth) removed += RemoveStaleTemporaries(it->path().string());
    }
    return removed;
}

}  // namespace vitalis
