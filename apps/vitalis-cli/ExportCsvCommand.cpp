#include <iostream>

#include "Commands.h"
#include "LoadFailure.h"
#include "case/CsvExport.h"
#include "case/Recording.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"

namespace vitalis::cli {

// export-csv CASE.awp OUT: the readings as CSV; ".CSV" is appended unless OUT ends in ".csv".
int RunExportCsv(const Arguments& args) {
    if (args.size() != 2) {
        std::cerr << "usage: vitalis-cli export-csv CASE.awp OUT\n";
        return kExitUsage;
    }
    Recording recording;
    recording.casePath = args[0];
    if (!recording.Load()) {
        std::cerr << "vitalis-cli: " << LoadFailureText(recording) << '\n';
        return kExitLoadFailed;
    }
    const std::string path = CsvExportPath(args[1]);
    // The heading is in the language the workstation of this folder uses; reading it
    // changes none of the workstation's settings.
    LanguageTable texts(RunningProgramFolder());
    texts.LoadStoredLanguage();
    if (!ExportCsv(recording, path, texts)) {
        std::cerr << "vitalis-cli: cannot write " << path << '\n';
        return kExitFailed;
    }
    std::cout << path << '\n';
    return kExitOk;
}

}  // namespace vitalis::cli
