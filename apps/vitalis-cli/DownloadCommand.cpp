#include <iostream>

#include "SessionCommand.h"
#include "case/CaseFolder.h"

namespace vitalis::cli {
namespace {

const char* const kDownloadUsage =
    "usage: vitalis-cli download --link LINK [--case-folder DIR] [--log FILE] [--retries N]\n"
    "                            [--app-dir DIR]\n";

}  // namespace

// download: reads the monitor on the link into new case files and prints their paths.
int RunDownload(const Arguments& args) {
    SessionOptions options;
    bool haveLink = false;
    std::string caseFolder;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string error;
        if (TakeSessionOption(args, i, options, haveLink, error)) {
            if (error.empty()) continue;
            std::cerr << "vitalis-cli: " << error << '\n' << kDownloadUsage;
            return kExitUsage;
        }
        if (args[i] == "--case-folder" && i + 1 < args.size()) {
            caseFolder = args[++i];
            continue;
        }
        std::cerr << "vitalis-cli: unexpected argument '" << args[i] << "'\n" << kDownloadUsage;
        return kExitUsage;
    }
    if (!haveLink) {
        std::cerr << kDownloadUsage;
        return kExitUsage;
    }
    SessionSetting setting(options.appDir);
    SessionRequest request;
    request.kind = SessionKind::Download;
    request.caseFolder = caseFolder.empty() ? setting.config().caseFolder : caseFolder;
    // Before the monitor is asked for anything: readings that cannot be filed are lost.
    if (const std::string problem = CaseFolderWriteProblem(request.caseFolder); !problem.empty()) {
        std::cerr << "vitalis-cli: cannot write case files into " << request.caseFolder << ": "
                  << problem << '\n';
        return kExitFailed;
    }
    SessionState end = SessionState::Idle;
    const auto result = RunCliSession(options, request, setting.texts(), end);
    if (!result) return kExitFailed;
    if (result->cancelled) {
        std::cerr << "vitalis-cli: cancelled\n";  // not a failure of the monitor or the link
        return kExitFailed;
    }
    for (const std::string& path : result->savedPaths) std::cout << path << '\n';
    return end == SessionState::Saved ? kExitOk : kExitFailed;
}

}  // namespace vitalis::cli
