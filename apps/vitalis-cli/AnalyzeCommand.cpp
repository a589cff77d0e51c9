#include <iostream>

#include "Commands.h"
#include "RecordingJson.h"

namespace vitalis::cli {

// analyze CASE.awp: the case as loaded, as one JSON object on stdout.
int RunAnalyze(const Arguments& args) {
    if (args.size() != 1) {
        std::cerr << "usage: vitalis-cli analyze CASE.awp\n";
        return kExitUsage;
    }
    Recording recording;
    recording.casePath = args[0];
    const bool loaded = recording.Load();
    Json out{{"file", args[0]},
             {"loaded", loaded},
             {"recording", RecordingJson(recording)},
             {"measurements", MeasurementsJson(recording)}};
    std::cout << out.dump(2) << '\n';
    if (!loaded) std::cerr << "vitalis-cli: " << args[0] << " could not be read as a case file\n";
    return loaded ? kExitOk : kExitLoadFailed;
}

}  // namespace vitalis::cli
