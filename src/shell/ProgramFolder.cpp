#include "shell/ProgramFolder.h"

#include <filesystem>

namespace vitalis {

std::string RunningProgramFolder() {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (!error && program.has_parent_path()) return program.parent_path().string();
    const fs::path here = fs::current_path(error);
    return error ? std::string(".") : here.string();
}

std::string ProgramDataFolder(const std::string& programFolder) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (fs::is_directory(fs::path(programFolder) / "Language", error)) return programFolder;
    const fs::path installed = fs::path(programFolder) / ".." / "share" / "vitalis";
    if (fs::is_directory(installed / "Language", error))
        return installed.lexically_normal().string();
    return programFolder;
}

}  // namespace vitalis
