#include "shell/GuidelineSetting.h"

namespace vitalis {

std::string ReadGuidelineId(const ProfileStore& file, std::string_view section) {
    const std::string stored =
        file.GetString(section, kGuidelineKey, std::string(clinical::kDefaultGuidelineId));
    return std::string(clinical::GuidelineOrDefault(stored).id);
}

void WriteGuidelineId(ProfileStore& file, std::string_view section, std::string_view id) {
    file.WriteString(section, kGuidelineKey, clinical::GuidelineOrDefault(id).id);
}

ThresholdSettings WithProfileThresholds(ThresholdSettings thresholds,
                                        const clinical::GuidelineProfile& profile) {
    if (const auto& awake = profile.Limit(Period::Awake)) {
        thresholds.awakeSys = awake->sys;
        thresholds.awakeDia = awake->dia;
    }
    if (const auto& asleep = profile.Limit(Period::Asleep)) {
        thresholds.asleepSys = asleep->sys;
        thresholds.asleepDia = asleep->dia;
    }
    return thresholds;
}

}  // namespace vitalis
