#pragma once

#include <array>
#include <string_view>

#include "case/ThresholdSettings.h"

namespace vitalis {

// The eight values of the threshold page, in the order the page shows them.
enum class ThresholdField {
    AwakeSys,
    AwakeDia,
    AsleepSys,
    AsleepDia,
    LowFall,
    HighFall,
    DayLoad,
    NightLoad,
};
inline constexpr std::array<ThresholdField, 8> kThresholdFields = {
    ThresholdField::AwakeSys,  ThresholdField::AwakeDia, ThresholdField::AsleepSys,
    ThresholdField::AsleepDia, ThresholdField::LowFall,  ThresholdField::HighFall,
    ThresholdField::DayLoad,   ThresholdField::NightLoad};

int& FieldOf(ThresholdSettings& settings, ThresholdField field);
int FieldOf(const ThresholdSettings& settings, ThresholdField field);

// The range of a field's up/down buttons.
struct FieldRange {
    int low;
    int high;
};
FieldRange RangeOf(ThresholdField field);
// The pressure fields take at most three digits.
bool IsPressureField(ThresholdField field);

// What the page makes of a value the user types into one field, the others as they stand.
// While typing, only the corrections that lower a value apply (too high, or not below its
// partner): a number grows as digits are added, so raising it before the user has finished
// would turn the first digit of "140" into something else. When the user leaves the field
// every correction applies.
int ClampWhileTyping(const ThresholdSettings& current, ThresholdField field, int typed);
int ClampOnLeaving(const ThresholdSettings& current, ThresholdField field, int value);

// The values the analysis may use: each systolic threshold above its diastolic one and both
// above their floor, the lower nocturnal-fall limit below the upper one, nothing beyond the
// ranges of the fields.
bool ThresholdsAcceptable(const ThresholdSettings& settings);
// Shown, as it stands, when the values are refused.
inline constexpr std::string_view kThresholdRefusal =
    "Error param, please change it. Error Code: 101002.";

// The default pressures 140/90 awake and 120/80 asleep; the limits stay as they are.
ThresholdSettings WithDefaultPressures(ThresholdSettings settings);

}  // namespace vitalis
