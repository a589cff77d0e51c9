#include <filesystem>
#include <iostream>
#include <optional>

#include "Commands.h"
#include "LoadFailure.h"
#include "ThresholdsFromConfig.h"
#include "case/Recording.h"
#include "interop/FhirExport.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"

namespace vitalis::cli {
namespace {

constexpr const char* kUsage =
    "usage: vitalis-cli export-fhir CASE.awp OUT.json [--all] [--config PATH] [--guideline ID]\n";

struct FhirOptions {
    std::string casePath;
    std::string outPath;
    bool all = false;
    std::optional<std::string> configPath;
    std::optional<std::string> guideline;
};

std::optional<FhirOptions> ParseFhirOptions(const Arguments& args) {
    FhirOptions options;
    std::vector<std::string> paths;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--all" && !options.all) {
            options.all = true;
        } else if (arg == "--config" && hasValue && !options.configPath) {
            options.configPath = args[++i];
        } else if (arg == "--guideline" && hasValue && !options.guideline) {
            options.guideline = args[++i];
        } else if (!arg.starts_with("--") && paths.size() < 2) {
            paths.push_back(arg);
        } else {
            return std::nullopt;
        }
    }
    if (paths.size() != 2) return std::nullopt;
    options.casePath = paths[0];
    options.outPath = paths[1];
    return options;
}

// The guideline asked for, else the configured one, else the default; null for an unknown id.
const clinical::GuidelineProfile* ChosenGuideline(const FhirOptions& options) {
    if (options.guideline) return clinical::FindGuideline(*options.guideline);
    if (options.configPath)
        return &clinical::GuidelineOrDefault(GuidelineFromConfig(*options.configPath));
    return &clinical::GuidelineOrDefault(clinical::kDefaultGuidelineId);
}

}  // namespace

// export-fhir CASE.awp OUT.json: the recording as one FHIR R4 Bundle. Analysed readings
// only, unless --all; thresholds and guideline from --config as for analyze.
int RunExportFhir(const Arguments& args) {
    const std::optional<FhirOptions> options = ParseFhirOptions(args);
    if (!options) {
        std::cerr << kUsage;
        return kExitUsage;
    }
    std::error_code error;
    if (options->configPath && !std::filesystem::is_regular_file(*options->configPath, error)) {
        std::cerr << "vitalis-cli: no configuration file " << *options->configPath << '\n';
        return kExitUsage;
    }
    const clinical::GuidelineProfile* guideline = ChosenGuideline(*options);
    if (!guideline) {
        std::cerr << "vitalis-cli: unknown guideline \"" << *options->guideline << "\"\n" << kUsage;
        return kExitUsage;
    }
    ThresholdSettings thresholds;
    if (options->configPath) thresholds = ThresholdsFromConfig(*options->configPath);
    Recording recording;
    recording.thresholdSource = &thresholds;
    recording.casePath = options->casePath;
    if (!recording.Load()) {
        std::cerr << "vitalis-cli: " << LoadFailureText(recording) << '\n';
        return kExitLoadFailed;
    }
    // Texts in the language the workstation of this folder uses.
    LanguageTable texts(RunningProgramFolder());
    texts.LoadStoredLanguage();
    if (!fhir::ExportBundleFile(recording, *guideline, options->all, texts, options->outPath)) {
        std::cerr << "vitalis-cli: cannot write " << options->outPath << '\n';
        return kExitFailed;
    }
    std::cout << options->outPath << '\n';
    return kExitOk;
}

}  // namespace vitalis::cli
