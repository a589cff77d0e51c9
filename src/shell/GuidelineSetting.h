#pragma once

#include <string>
#include <string_view>

#include "analysis/clinical/GuidelineProfile.h"
#include "case/ProfileStore.h"
#include "case/ThresholdSettings.h"

namespace vitalis {

// The guideline profile the clinical verdict follows, kept beside the thresholds in a
// configuration section.
inline constexpr std::string_view kGuidelineKey = "Guideline";

// The stored id when it names a profile, else the default one.
std::string ReadGuidelineId(const ProfileStore& file, std::string_view section);
void WriteGuidelineId(ProfileStore& file, std::string_view section, std::string_view id);

// The awake and asleep thresholds of the profile put into `thresholds`; a period the profile
// sets no threshold for keeps its own. The load and fall limits stay as they are.
ThresholdSettings WithProfileThresholds(ThresholdSettings thresholds,
                                        const clinical::GuidelineProfile& profile);

}  // namespace vitalis
