#include "shell/ConfigLocation.h"

#include <unistd.h>

#include <filesystem>

#include "case/FileAccess.h"
#include "shell/UserFolders.h"

namespace vitalis {
namespace {

constexpr const char* kFileName = "/VurConfig.ini";

// Writable means the file can be replaced: the folder takes new entries and an existing
// file may be written.
bool CanWriteBeside(const std::string& folder, const std::string& file) {
    if (::access(folder.c_str(), W_OK | X_OK) != 0) return false;
    return !FileExists(file) || ::access(file.c_str(), W_OK) == 0;
}

}  // namespace

std::string ProgramConfigPath(const std::string& applicationDirectory) {
    return applicationDirectory + kFileName;
}

std::string UserConfigPath() {
    const std::string base = UserConfigFolder();
    return base.empty() ? std::string() : base + "/Vitalis" + kFileName;
}

std::string ConfigReadPath(const std::string& applicationDirectory) {
    const std::string user = UserConfigPath();
    return !user.empty() && FileExists(user) ? user : ProgramConfigPath(applicationDirectory);
}

std::string ConfigWritePath(const std::string& applicationDirectory) {
    const std::string user = UserConfigPath();
    const std::string program = ProgramConfigPath(applicationDirectory);
    if (!user.empty() && FileExists(user)) return user;
    if (user.empty() || CanWriteBeside(applicationDirectory, program)) return program;
    if (!CreateFolders(std::filesystem::path(user).parent_path().string()))
        return user;  // the save then fails and says so
    if (const auto shipped = ReadWholeFile(program)) ReplaceFileContent(user, shipped->bytes);
    return user;
}

}  // namespace vitalis
