#include "shell/DefaultCaseFolder.h"

#include "case/FileAccess.h"

namespace vitalis {

std::string DefaultCaseFolderFor(const std::string& programFolder) {
    const std::string beside = programFolder + "/data";
    if (IsDirectory(beside)) return beside;
    const std::string user = UserDataFolder();
    return user.empty() ? beside : user + "/Vitalis/cases";
}

}  // namespace vitalis
