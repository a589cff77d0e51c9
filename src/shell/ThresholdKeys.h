#pragma once

#include <string_view>

#include "analysis/ThresholdSettings.h"
#include "case/ProfileStore.h"

namespace vitalis {

// The thresholds and limits as a configuration section stores them; missing keys read as
// the defaults.
ThresholdSettings ReadThresholdSettings(const ProfileStore& file, std::string_view section);
void WriteThresholdSettings(ProfileStore& file, std::string_view section,
                            const ThresholdSettings& thresholds);

}  // namespace vitalis
