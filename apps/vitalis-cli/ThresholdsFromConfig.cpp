#include "ThresholdsFromConfig.h"

#include "case/ProfileStore.h"
#include "shell/ThresholdKeys.h"

namespace vitalis::cli {

ThresholdSettings ThresholdsFromConfig(const std::string& configPath) {
    // Only looking: a configuration file is never created or changed from here.
    const ProfileStore store(configPath, ProfileOpen::ExistingOnly);
    return ReadThresholdSettings(store, "Configfamily");
}

}  // namespace vitalis::cli
