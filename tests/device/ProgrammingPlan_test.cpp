#include "device/session/ProgrammingPlan.h"

#include <gtest/gtest.h>

namespace vitalis {
namespace {

// 07:00 awake every 15 minutes, 22:00 asleep every 30 minutes.
UploadChoices DayAndNight() {
    UploadChoices c;
    c.patientName = "Ada";
    c.patientId = "42";
    c.awakeTime = 14;
    c.awakeSpan = 3;
    c.asleepTime = 44;
    c.asleepSpan = 5;
    return c;
}

TEST(ProgrammingPlan, ADayOfTheUsualScheduleGivesSeventyEightReadings) {
    const ProgrammingPlan plan = PlanOf(DayAndNight());
    EXPECT_EQ(plan.awakeMinutes, 15 * 60);
    EXPECT_EQ(plan.asleepMinutes, 9 * 60);
    EXPECT_EQ(plan.awakeReadings, 60);
    EXPECT_EQ(plan.asleepReadings, 18);
    EXPECT_EQ(plan.ReadingsPerDay(), 78);
    EXPECT_FALSE(plan.awakeWithoutReadings);
    EXPECT_FALSE(plan.asleepWithoutReadings);
}

TEST(ProgrammingPlan, TheSpecialPeriodTakesOverItsHourWithItsOwnInterval) {
    UploadChoices c = DayAndNight();
    c.specialBegin = 25;  // 12:00
    c.specialEnd = 27;    // 13:00
    c.specialSpan = 2;    // 10 minutes
    const ProgrammingPlan plan = PlanOf(c);
    EXPECT_EQ(plan.specialMinutes, 60);
    EXPECT_EQ(plan.specialReadings, 6);
    EXPECT_EQ(plan.awakeMinutes, 14 * 60);
    EXPECT_EQ(plan.awakeReadings, 56);  // 12:00, 12:15, 12:30, 12:45 fall to the special period
    EXPECT_FALSE(plan.specialEndsBeforeItBegins);
}

TEST(ProgrammingPlan, APeriodWithoutIntervalAndASpecialPeriodBackwardsAreCaught) {
    UploadChoices c = DayAndNight();
    c.asleepSpan = 0;
    c.specialBegin = 27;
    c.specialEnd = 25;
    c.specialSpan = 2;
    const ProgrammingPlan plan = PlanOf(c);
    EXPECT_TRUE(plan.asleepWithoutReadings);
    EXPECT_EQ(plan.asleepReadings, 0);
    EXPECT_TRUE(plan.specialEndsBeforeItBegins);
    EXPECT_EQ(plan.specialMinutes, 0);  // such a period is not programmed
    c.specialEnd = 27;
    EXPECT_TRUE(PlanOf(c).specialEndsBeforeItBegins);  // ending as it begins is no period either
}

TEST(ProgrammingPlan, ANewRunNeverStartsWithThePreviousPatient) {
    const UploadChoices fresh = FreshProgrammingChoices(DayAndNight());
    EXPECT_TRUE(fresh.patientName.empty());
    EXPECT_TRUE(fresh.patientId.empty());
    EXPECT_EQ(fresh.awakeSpan, 3);  // the last schedule stays
    EXPECT_EQ(fresh.asleepSpan, 5);
}

TEST(ProgrammingPlan, AScheduleNobodyChoseTakesReadingsDayAndNight) {
    UploadChoices factory;  // no awake interval, 5 minutes asleep
    factory.patientName = "Someone Else";
    const UploadChoices fresh = FreshProgrammingChoices(factory);
    EXPECT_EQ(IntervalFromPosition(fresh.awakeSpan), 15);
    EXPECT_EQ(IntervalFromPosition(fresh.asleepSpan), 30);
    EXPECT_TRUE(fresh.patientName.empty());
    // A deliberate "no readings while awake" with a real asleep interval is kept.
    UploadChoices chosen = DayAndNight();
    chosen.awakeSpan = 0;
    EXPECT_EQ(FreshProgrammingChoices(chosen).awakeSpan, 0);
}

}  // namespace
}  // namespace vitalis
