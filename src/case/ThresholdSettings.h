#pragma once

namespace vitalis {

// Limits the analysis compares readings with, as the configuration stores them.
// The load and nocturnal-fall limits are only carried into the report beside the results.
struct ThresholdSettings {
    int awakeSys = 140;   // "Awake Sys Thresh", mmHg
    int awakeDia = 90;    // "Awake Dia Thresh"
    int asleepSys = 120;  // "Asleep Sys Thresh"
    int asleepDia = 80;   // "Asleep Dia Thresh"
    int dayLoad = 40;     // "DayBPLoad", percent
    int nightLoad = 50;   // "NightBPLoad", percent
    int highFall = 15;    // "High CR", percent
    int lowFall = 10;     // "Low CR", percent

    bool operator==(const ThresholdSettings&) const = default;
};

}  // namespace vitalis
