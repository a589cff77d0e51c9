#include <iostream>

#include "Commands.h"
#include "LoadFailure.h"
#include "RecordingJson.h"
#include "case/RecordingRuns.h"

namespace vitalis::cli {

Json RecordingRunsJson(const std::vector<RecordingRun>& runs) {
    Json list = Json::array();
    for (const RecordingRun& run : runs) {
        list.push_back(Json{
            {"begin", ClockJson(run.begin)}, {"end", ClockJson(run.end)}, {"count", run.count}});
    }
    return list;
}

// recordings CASE.awp: the tests the case file holds, first in time first, as a JSON list.
int RunRecordings(const Arguments& args) {
    if (args.size() != 1 || args[0].starts_with("--")) {
        std::cerr << "usage: vitalis-cli recordings CASE.awp\n";
        return kExitUsage;
    }
    Recording file;
    file.casePath = args[0];
    if (!file.Load()) {
        std::cerr << "vitalis-cli: " << LoadFailureText(file) << '\n';
        return kExitLoadFailed;
    }
    std::cout << RecordingRunsJson(FindRecordingRuns(file)).dump(2) << '\n';
    return kExitOk;
}

}  // namespace vitalis::cli
