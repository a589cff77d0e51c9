#pragma once

#include <string>

#include "case/ThresholdSettings.h"

namespace vitalis::cli {

// The thresholds and limits of a configuration file ("Configfamily"); every key that is
// missing, and every key of a missing file, keeps its default.
ThresholdSettings ThresholdsFromConfig(const std::string& configPath);

// The guideline profile id of the same section; the default one when none is stored.
std::string GuidelineFromConfig(const std::string& configPath);

}  // namespace vitalis::cli
