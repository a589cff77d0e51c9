#include "shell/ThresholdKeys.h"

namespace vitalis {
namespace {

// Each setting with its key, so reading and writing cannot drift apart.
struct ThresholdKey {
    std::string_view key;
    int ThresholdSettings::*field;
};
constexpr ThresholdKey kKeys[] = {
    {"Awake Sys Thresh", &ThresholdSettings::awakeSys},
    {"Awake Dia Thresh", &ThresholdSettings::awakeDia},
    {"Asleep Sys Thresh", &ThresholdSettings::asleepSys},
    {"Asleep Dia Thresh", &ThresholdSettings::asleepDia},
    {"Low CR", &ThresholdSettings::lowFall},
    {"High CR", &ThresholdSettings::highFall},
    {"DayBPLoad", &ThresholdSettings::dayLoad},
    {"NightBPLoad", &ThresholdSettings::nightLoad},
};

}  // namespace

ThresholdSettings ReadThresholdSettings(const ProfileStore& file, std::string_view section) {
    ThresholdSettings thresholds;
    for (const ThresholdKey& k : kKeys) {
        thresholds.*k.field = file.GetInt(section, k.key, thresholds.*k.field);
    }
    return thresholds;
}

void WriteThresholdSettings(ProfileStore& file, std::string_view section,
                            const ThresholdSettings& thresholds) {
    for (const ThresholdKey& k : kKeys) file.WriteInt(section, k.key, thresholds.*k.field);
}

}  // namespace vitalis
