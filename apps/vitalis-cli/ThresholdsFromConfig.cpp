#include "ThresholdsFromConfig.h"

#include "case/ProfileStore.h"
#include "shell/GuidelineSetting.h"
#include "shell/ThresholdKeys.h"

namespace vitalis::cli {

namespace {
constexpr std::string_view kSection = "Configfamily";
}

ThresholdSettings ThresholdsFromConfig(const std::string& configPath) {
    // Only looking: a configuration file is never created or changed from here.
    const ProfileStore store(configPath, ProfileOpen::ExistingOnly);
    return ReadThresholdSettings(store, kSection);
}

std::string GuidelineFromConfig(const std::string& configPath) {
    const ProfileStore store(configPath, ProfileOpen::ExistingOnly);
    return ReadGuidelineId(store, kSection);
}

}  // namespace vitalis::cli
