#pragma once

#include <string>
#include <vector>

namespace vitalis::cli {

// Exit codes shared by every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitLoadFailed = 3;

using Arguments = std::vector<std::string>;

int RunAnalyze(const Arguments& args);
int RunExportCsv(const Arguments& args);
int RunExportFhir(const Arguments& args);
int RunDownload(const Arguments& args);
int RunUpload(const Arguments& args);
int RunRecordings(const Arguments& args);
int RunReport(const Arguments& args);

}  // namespace vitalis::cli
