#pragma once

#include <string_view>

#include "case/ProfileStore.h"
#include "case/ThresholdSettings.h"

namespace vitalis {

// The thresholds and limits as a configuration section stores them; missing keys read as
// the defaults.
ThresholdSettings ReadThresholdSettings(const ProfileStore& file, std::string_view section);
void WriteThresholdSettings(ProfileStore& file, std::string_view section,
                            const ThresholdSettings& thresholds);

}  // namespace vitalis
