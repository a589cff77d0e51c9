#include "shell/DefaultCaseFolder.h"

#include <cstdlib>

#include "case/FileAccess.h"

namespace vitalis {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

std::string UserDataFolder() {
    // A relative value is invalid by the rule and is ignored, not taken from the current folder.
    const std::string data = Environment("XDG_DATA_HOME");
    if (!data.empty() && data.front() == '/') return data;
    const std::string home = Environment("HOME");
    if (home.empty()) return {};
    return home + "/.local/share";
}

std::string DefaultCaseFolderFor(const std::string& programFolder) {
    const std::string beside = programFolder + "/data";
    if (IsDirectory(beside)) return beside;
    const std::string user = UserDataFolder();
    return user.empty() ? beside : user + "/Vitalis/cases";
}

}  // namespace vitalis
