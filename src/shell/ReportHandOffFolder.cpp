#include "shell/ReportHandOffFolder.h"

#include <filesystem>

namespace vitalis {

std::string ReportHandOffFolder(const std::string& applicationDirectory) {
    return (std::filesystem::path(applicationDirectory) / "TensioStart").string();
}

bool RemoveReportHandOffFolder(const std::string& applicationDirectory) {
    const std::filesystem::path folder = ReportHandOffFolder(applicationDirectory);
    std::error_code error;
    std::filesystem::remove_all(folder, error);
    return !std::filesystem::exists(folder, error);
}

}  // namespace vitalis
