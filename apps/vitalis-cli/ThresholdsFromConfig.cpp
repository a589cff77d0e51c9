#include "ThresholdsFromConfig.h"

#include "case/ProfileStore.h"

namespace vitalis::cli {

ThresholdSettings ThresholdsFromConfig(const std::string& configPath) {
    // Only looking: a configuration file is never created or changed from here.
    const ProfileStore store(configPath, ProfileOpen::ExistingOnly);
    constexpr std::string_view kSection = "Configfamily";
    ThresholdSettings t;
    t.awakeSys = store.GetInt(kSection, "Awake Sys Thresh", t.awakeSys);
    t.awakeDia = store.GetInt(kSection, "Awake Dia Thresh", t.awakeDia);
    t.asleepSys = store.GetInt(kSection, "Asleep Sys Thresh", t.asleepSys);
    t.asleepDia = store.GetInt(kSection, "Asleep Dia Thresh", t.asleepDia);
    t.lowFall = store.GetInt(kSection, "Low CR", t.lowFall);
    t.highFall = store.GetInt(kSection, "High CR", t.highFall);
    t.dayLoad = store.GetInt(kSection, "DayBPLoad", t.dayLoad);
    t.nightLoad = store.GetInt(kSection, "NightBPLoad", t.nightLoad);
    return t;
}

}  // namespace vitalis::cli
