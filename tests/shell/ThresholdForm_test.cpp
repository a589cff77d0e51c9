#include "shell/ThresholdForm.h"

#include <gtest/gtest.h>

namespace vitalis {
namespace {

using F = ThresholdField;

ThresholdSettings With(F field, int value, ThresholdSettings s = {}) {
    FieldOf(s, field) = value;
    return s;
}

TEST(ThresholdTyping, TooHighOrNotBelowThePartnerIsCorrectedAtOnce) {
    const ThresholdSettings s;  // 140/90, 120/80, fall 10..15, loads 40 and 50
    EXPECT_EQ(ClampWhileTyping(s, F::AwakeSys, 300), 280);
    EXPECT_EQ(ClampWhileTyping(With(F::AwakeSys, 80), F::AwakeDia, 85), 79);
    EXPECT_EQ(ClampWhileTyping(s, F::AwakeDia, 300), 139);
    EXPECT_EQ(ClampWhileTyping(With(F::AwakeSys, 300), F::AwakeDia, 290), 279);
    EXPECT_EQ(ClampWhileTyping(s, F::AsleepSys, 250), 240);
    EXPECT_EQ(ClampWhileTyping(s, F::AsleepDia, 120), 119);
    EXPECT_EQ(ClampWhileTyping(s, F::LowFall, 15), 14);
    EXPECT_EQ(ClampWhileTyping(s, F::HighFall, 101), 100);
    EXPECT_EQ(ClampWhileTyping(s, F::DayLoad, 250), 100);
    EXPECT_EQ(ClampWhileTyping(s, F::NightLoad, 101), 100);
}

TEST(ThresholdTyping, FirstDigitsOfALargerNumberAreLeftAlone) {
    const ThresholdSettings s;
    // "1" on the way to "140", "0" on the way to "5".
    EXPECT_EQ(ClampWhileTyping(s, F::AwakeSys, 1), 1);
    EXPECT_EQ(ClampWhileTyping(s, F::AwakeSys, 14), 14);
    EXPECT_EQ(ClampWhileTyping(s, F::AwakeDia, 8), 8);
    EXPECT_EQ(ClampWhileTyping(s, F::HighFall, 2), 2);
    EXPECT_EQ(ClampWhileTyping(s, F::DayLoad, 0), 0);
}

TEST(ThresholdLeaving, EveryCorrectionOfTheTableApplies) {
    const ThresholdSettings s;
    EXPECT_EQ(ClampOnLeaving(s, F::AwakeSys, 90), 91);
    EXPECT_EQ(ClampOnLeaving(With(F::AwakeDia, 30), F::AwakeSys, 40), 51);
    EXPECT_EQ(ClampOnLeaving(s, F::AwakeDia, 20), 50);
    EXPECT_EQ(ClampOnLeaving(s, F::AsleepSys, 14), 81);
    EXPECT_EQ(ClampOnLeaving(With(F::AsleepDia, 10), F::AsleepSys, 5), 41);
    EXPECT_EQ(ClampOnLeaving(s, F::AsleepDia, 0), 40);
    EXPECT_EQ(ClampOnLeaving(s, F::LowFall, 0), 1);
    EXPECT_EQ(ClampOnLeaving(s, F::HighFall, 10), 11);
    EXPECT_EQ(ClampOnLeaving(With(F::LowFall, 0), F::HighFall, 0), 2);
    EXPECT_EQ(ClampOnLeaving(s, F::NightLoad, 0), 1);
    EXPECT_EQ(ClampOnLeaving(s, F::AwakeSys, 180), 180);
}

TEST(ThresholdCheck, AcceptsSoundValuesAndRefusesTheRest) {
    ThresholdSettings s;
    s.lowFall = 10, s.highFall = 15, s.dayLoad = 40, s.nightLoad = 50;
    EXPECT_TRUE(ThresholdsAcceptable(s));
    EXPECT_FALSE(ThresholdsAcceptable(With(F::LowFall, 15, s)));
    EXPECT_FALSE(ThresholdsAcceptable(With(F::AwakeDia, 140, s)));
    EXPECT_FALSE(ThresholdsAcceptable(With(F::AwakeDia, 49, s)));
    EXPECT_FALSE(ThresholdsAcceptable(With(F::AwakeSys, 50, With(F::AwakeDia, 50, s))));
    EXPECT_TRUE(ThresholdsAcceptable(With(F::AwakeSys, 51, With(F::AwakeDia, 50, s))));
    EXPECT_FALSE(ThresholdsAcceptable(With(F::AsleepSys, 80, s)));
    EXPECT_FALSE(ThresholdsAcceptable(With(F::AsleepDia, 39, s)));
    EXPECT_FALSE(ThresholdsAcceptable(With(F::AwakeSys, 281, s)));
    EXPECT_FALSE(ThresholdsAcceptable(With(F::DayLoad, 101, s)));
}

TEST(ThresholdDefaults, RestoreThePressuresOnly) {
    ThresholdSettings s{150, 95, 130, 85, 30, 35, 20, 12};
    const ThresholdSettings d = WithDefaultPressures(s);
    EXPECT_EQ(d.awakeSys, 140);
    EXPECT_EQ(d.awakeDia, 90);
    EXPECT_EQ(d.asleepSys, 120);
    EXPECT_EQ(d.asleepDia, 80);
    EXPECT_EQ(d.dayLoad, 30);
    EXPECT_EQ(d.nightLoad, 35);
    EXPECT_EQ(d.highFall, 20);
    EXPECT_EQ(d.lowFall, 12);
}

}  // namespace
}  // namespace vitalis
