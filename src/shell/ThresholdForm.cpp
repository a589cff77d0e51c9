#include "shell/ThresholdForm.h"

#include <algorithm>

namespace vitalis {
namespace {

using F = ThresholdField;

// A systolic field against its diastolic partner; floor and ceiling of the pair.
int ClampUpperOfPair(int value, int partner, int floor, int ceiling, bool leaving) {
    if (value > ceiling) return ceiling;
    if (leaving && value <= std::max(partner, floor)) return std::max(partner, floor) + 1;
    return value;
}

// A diastolic field (or the lower fall limit) against the field that must stay above it.
int ClampLowerOfPair(int value, int partner, int floor, int ceiling, bool leaving) {
    if (value >= std::min(partner, ceiling)) return std::min(partner, ceiling) - 1;
    if (leaving && value < floor) return floor;
    return value;
}

int ClampField(const ThresholdSettings& s, F field, int value, bool leaving) {
    switch (field) {
        case F::AwakeSys:
            return ClampUpperOfPair(value, s.awakeDia, 50, 280, leaving);
        case F::AwakeDia:
            return ClampLowerOfPair(value, s.awakeSys, 50, 280, leaving);
        case F::AsleepSys:
            return ClampUpperOfPair(value, s.asleepDia, 40, 240, leaving);
        case F::AsleepDia:
            return ClampLowerOfPair(value, s.asleepSys, 40, 240, leaving);
        case F::LowFall:
            return ClampLowerOfPair(value, s.highFall, 1, 100, leaving);
        case F::HighFall:
            return ClampUpperOfPair(value, s.lowFall, 1, 100, leaving);
        case F::DayLoad:
        case F::NightLoad:
            if (value > 100) return 100;
            return leaving && value < 1 ? 1 : value;
    }
    return value;
}

}  // namespace

int& FieldOf(ThresholdSettings& s, ThresholdField field) {
    switch (field) {
        case F::AwakeSys:
            return s.awakeSys;
        case F::AwakeDia:
            return s.awakeDia;
        case F::AsleepSys:
            return s.asleepSys;
        case F::AsleepDia:
            return s.asleepDia;
        case F::LowFall:
            return s.lowFall;
        case F::HighFall:
            return s.highFall;
        case F::DayLoad:
            return s.dayLoad;
        case F::NightLoad:
            break;
    }
    return s.nightLoad;
}

int FieldOf(const ThresholdSettings& s, ThresholdField field) {
    ThresholdSettings copy = s;
    return FieldOf(copy, field);
}

FieldRange RangeOf(ThresholdField field) {
    switch (field) {
        case F::AwakeSys:
        case F::AwakeDia:
            return {50, 280};
        case F::AsleepSys:
        case F::AsleepDia:
            return {40, 240};
        default:
            return {0, 100};
    }
}

bool IsPressureField(ThresholdField field) {
    return field == F::AwakeSys || field == F::AwakeDia || field == F::AsleepSys ||
           field == F::AsleepDia;
}

int ClampWhileTyping(const ThresholdSettings& current, ThresholdField field, int typed) {
    return ClampField(current, field, typed, false);
}

int ClampOnLeaving(const ThresholdSettings& current, ThresholdField field, int value) {
    return ClampField(current, field, value, true);
}

bool ThresholdsAcceptable(const ThresholdSettings& s) {
    return s.awakeSys >= 51 && s.awakeSys > s.awakeDia && s.awakeDia >= 50 && s.asleepSys >= 41 &&
           s.asleepSys > s.asleepDia && s.asleepDia >= 40 && s.lowFall < s.highFall &&
           s.awakeSys <= 280 && s.asleepSys <= 240 && s.lowFall >= 0 && s.highFall <= 100 &&
           s.dayLoad >= 0 && s.dayLoad <= 100 && s.nightLoad >= 0 && s.nightLoad <= 100;
}

ThresholdSettings WithDefaultPressures(ThresholdSettings settings) {
    const ThresholdSettings defaults;
    settings.awakeSys = defaults.awakeSys;
    settings.awakeDia = defaults.awakeDia;
    settings.asleepSys = defaults.asleepSys;
    settings.asleepDia = defaults.asleepDia;
    return settings;
}

}  // namespace vitalis
