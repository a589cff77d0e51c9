#include <charconv>
#include <filesystem>
#include <iostream>
#include <optional>

#include "AnalysisJson.h"
#include "ClinicalJson.h"
#include "Commands.h"
#include "DiaryJson.h"
#include "LoadFailure.h"
#include "RecordingJson.h"
#include "ThresholdsFromConfig.h"
#include "analysis/clinical/ClinicalBlock.h"
#include "case/CaseFolder.h"
#include "case/OfficePressure.h"
#include "case/RecordingRuns.h"

namespace vitalis::cli {
namespace {

constexpr const char* kUsage =
    "usage: vitalis-cli analyze CASE.awp [--config PATH] "
    "[--ranges sysLow,sysHigh,diaLow,diaHigh,prLow,prHigh] [--recording N] "
    "[--guideline esh2023|acc-aha2017|nice2019] [--office SYS/DIA]\n";

struct AnalyzeOptions {
    std::string casePath;
    std::optional<std::string> configPath;
    std::optional<RangeBounds> ranges;
    std::optional<int> recordingNumber;  // 1 = the first test of the file in time
    std::optional<std::string> guideline;
    std::optional<OfficePressure> office;
    bool officeGiven = false;
};

std::optional<int> ParsePositive(const std::string& text) {
    int value = 0;
    const auto [next, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || next != text.data() + text.size() || value < 1) return std::nullopt;
    return value;
}

// The profile ids, for a message that names the ones there are.
std::string GuidelineIds() {
    std::string ids;
    for (const clinical::GuidelineProfile& p : clinical::GuidelineProfiles())
        ids += (ids.empty() ? "" : ", ") + std::string(p.id);
    return ids;
}

// A clear word for a guideline or office value that cannot be used; empty when both can.
std::string ClinicalOptionError(const AnalyzeOptions& options) {
    if (options.guideline && !clinical::FindGuideline(*options.guideline))
        return "unknown guideline \"" + *options.guideline + "\" (known: " + GuidelineIds() + ")";
    if (options.officeGiven && !options.office)
        return "--office takes the office pressure as two whole numbers SYS/DIA, e.g. 142/91";
    return {};
}

// Six whole numbers separated by commas, nothing else.
std::optional<RangeBounds> ParseRanges(const std::string& text) {
    int values[6] = {};
    const char* p = text.data();
    const char* end = text.data() + text.size();
    for (int i = 0; i < 6; ++i) {
        if (i > 0) {
            if (p == end || *p != ',') return std::nullopt;
            ++p;
        }
        const auto [next, error] = std::from_chars(p, end, values[i]);
        if (error != std::errc()) return std::nullopt;
        p = next;
    }
    if (p != end) return std::nullopt;
    return RangeBounds{values[0], values[1], values[2], values[3], values[4], values[5]};
}

std::optional<AnalyzeOptions> ParseOptions(const Arguments& args) {
    AnalyzeOptions options;
    bool haveCase = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--config" && hasValue && !options.configPath) {
            options.configPath = args[++i];
        } else if (arg == "--ranges" && hasValue && !options.ranges) {
            options.ranges = ParseRanges(args[++i]);
            if (!options.ranges) return std::nullopt;
        } else if (arg == "--recording" && hasValue && !options.recordingNumber) {
            options.recordingNumber = ParsePositive(args[++i]);
            if (!options.recordingNumber) return std::nullopt;
        } else if (arg == "--guideline" && hasValue && !options.guideline) {
            options.guideline = args[++i];
        } else if (arg == "--office" && hasValue && !options.officeGiven) {
            options.officeGiven = true;
            options.office = ParseOfficePressure(args[++i]);
        } else if (!arg.starts_with("--") && !haveCase) {
            options.casePath = arg;
            haveCase = true;
        } else {
            return std::nullopt;
        }
    }
    if (!haveCase) return std::nullopt;
    return options;
}

}  // namespace

// analyze CASE.awp: the case as loaded and its full analysis, as one JSON object on stdout.
// A case that cannot be read is still shown as far as it was read (exit 3).
int RunAnalyze(const Arguments& args) {
    const std::optional<AnalyzeOptions> options = ParseOptions(args);
    if (!options) {
        std::cerr << kUsage;
        return kExitUsage;
    }
    if (const std::string error = ClinicalOptionError(*options); !error.empty()) {
        std::cerr << "vitalis-cli: " << error << '\n' << kUsage;
        return kExitUsage;
    }
    ThresholdSettings thresholds;
    std::string guideline(clinical::kDefaultGuidelineId);
    if (options->configPath) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(*options->configPath, error)) {
            std::cerr << "vitalis-cli: no configuration file " << *options->configPath << '\n';
            return kExitUsage;
        }
        thresholds = ThresholdsFromConfig(*options->configPath);
        guideline = GuidelineFromConfig(*options->configPath);
    }
    Recording recording;
    recording.thresholdSource = &thresholds;
    recording.casePath = options->casePath;
    const bool loaded = recording.Load();
    for (const std::string& warning : recording.warnings)
        std::cerr << "vitalis-cli: " << options->casePath << ": " << warning << '\n';
    const std::string loadFailure = LoadFailureText(recording);
    if (options->recordingNumber) {
        if (!loaded) {
            std::cerr << "vitalis-cli: " << loadFailure << '\n';
            return kExitLoadFailed;
        }
        const std::vector<RecordingRun> runs = FindRecordingRuns(recording);
        const size_t number = static_cast<size_t>(*options->recordingNumber);
        if (number > runs.size()) {
            std::cerr << "vitalis-cli: " << options->casePath << " holds " << runs.size()
                      << " recording(s); there is no recording " << number << '\n';
            return kExitUsage;
        }
        recording = SelectRecordingRun(recording, runs[number - 1]);
    }
    Json out{{"file", options->casePath},
             {"loaded", loaded},
             {"compatible", IsCompatibleCase(options->casePath)},
             {"recording", RecordingJson(recording)},
             {"measurements", MeasurementsJson(recording)},
             {"analysis", AnalysisJson(recording, options->ranges)},
             {"clinical",
              ClinicalJson(clinical::ComputeClinicalBlock(
                  recording, clinical::GuidelineOrDefault(options->guideline.value_or(guideline)),
                  options->office ? options->office : recording.office))},
             {"diary", DiaryJson(recording)}};
    std::cout << out.dump(2) << '\n';
    if (!loaded) {
        std::cerr << "vitalis-cli: " << loadFailure << '\n';
    }
    return loaded ? kExitOk : kExitLoadFailed;
}

}  // namespace vitalis::cli
