// The upload dialog's list positions and the values they program.
#include "device/session/UploadChoices.h"

#include <gtest/gtest.h>

namespace vitalis {
namespace {

UploadChoices Patient() {
    UploadChoices c;
    c.patientName = "Ada";
    c.patientId = "P-7";
    return c;
}

bool SamePositions(const UploadChoices& a, const UploadChoices& b) {
    return a.awakeTime == b.awakeTime && a.awakeSpan == b.awakeSpan &&
           a.asleepTime == b.asleepTime && a.asleepSpan == b.asleepSpan &&
           a.specialBegin == b.specialBegin && a.specialEnd == b.specialEnd &&
           a.specialSpan == b.specialSpan && a.startKey == b.startKey;
}

TEST(UploadChoices, TimesAreHalfHoursAndTheSpecialListsStartWithNone) {
    UploadChoices c = Patient();
    c.awakeTime = 15;
    c.asleepTime = 47;
    c.specialBegin = 25;  // 12:00
    c.specialEnd = 28;    // 13:30
    c.specialSpan = 2;
    const UploadSettings s = SettingsFromChoices(c);
    EXPECT_EQ(s.schedule.awake.start.minutes(), 450);
    EXPECT_EQ(s.schedule.awake.start.hour, 7);
    EXPECT_EQ(s.schedule.awake.start.minute, 30);
    EXPECT_EQ(s.schedule.asleep.start.minutes(), 1410);
    EXPECT_EQ(s.schedule.asleep.start.hour, 23);
    EXPECT_EQ(s.schedule.asleep.start.minute, 30);
    ASSERT_TRUE(s.schedule.special);
    EXPECT_EQ(s.schedule.special->start.minutes(), 720);
    EXPECT_EQ(s.schedule.special->end.minutes(), 810);
    EXPECT_EQ(s.schedule.special->end.hour, 13);
    EXPECT_EQ(s.schedule.special->end.minute, 30);
    EXPECT_EQ(s.schedule.special->interval, 10);
    EXPECT_EQ(TimeText(0), "00:00");
    EXPECT_EQ(TimeText(15), "07:30");
    EXPECT_EQ(TimeText(47), "23:30");
}

TEST(UploadChoices, AnyUnchosenSpecialListMeansNoSpecialPeriod) {
    for (const auto& [begin, end, span] : {std::tuple{25, 28, 0}, {0, 28, 2}, {25, 0, 2}}) {
        UploadChoices c = Patient();
        c.specialBegin = begin, c.specialEnd = end, c.specialSpan = span;
        const UploadSettings s = SettingsFromChoices(c);
        EXPECT_FALSE(s.schedule.special) << begin << ' ' << end << ' ' << span;
    }
    // The special list's first real entry is midnight, not "none".
    UploadChoices c = Patient();
    c.specialBegin = 1, c.specialEnd = 3, c.specialSpan = 1;
    const UploadSettings s = SettingsFromChoices(c);
    ASSERT_TRUE(s.schedule.special);
    EXPECT_EQ(s.schedule.special->start.minutes(), 0);
    EXPECT_EQ(s.schedule.special->end.minutes(), 60);
}

TEST(UploadChoices, IntervalsAndTheStartKey) {
    EXPECT_EQ(IntervalText(0, "None", "min"), "None");
    EXPECT_EQ(IntervalText(1, "None", "min"), "5min");
    EXPECT_EQ(IntervalText(9, "None", "min"), "120min");
    UploadChoices c = Patient();
    c.awakeSpan = 0;
    c.asleepSpan = 8;
    c.startKey = 1;
    const UploadSettings off = SettingsFromChoices(c);
    EXPECT_EQ(off.schedule.awake.interval, std::nullopt);  // "none": the block sends 0xFF
    EXPECT_EQ(off.schedule.asleep.interval, 90);
    EXPECT_EQ(off.optionA, 0xFF);
    c.startKey = 0;
    EXPECT_EQ(SettingsFromChoices(c).optionA, 1);
}

TEST(UploadChoices, AProgrammeOpensAgainAtItsPositions) {
    UploadSettings s = SettingsFromChoices(Patient());
    s.schedule.awake.interval = 120;
    EXPECT_EQ(ChoicesFromSettings(s).awakeSpan, 9);
    s.schedule.asleep.start = DayTime::FromMinutes(1335);  // 22:15 shows the half hour before it
    EXPECT_EQ(ChoicesFromSettings(s).asleepTime, 44);
    s.schedule.asleep.interval = 7;  // not in the list
    EXPECT_EQ(ChoicesFromSettings(s).asleepSpan, 0);

    // Every choice the lists offer comes back unchanged.
    for (int time = 0; time < kTimePositions; ++time) {
        for (int span = 0; span < kIntervalPositions; ++span) {
            UploadChoices c = Patient();
            c.awakeTime = time, c.asleepTime = kTimePositions - 1 - time;
            c.awakeSpan = span, c.asleepSpan = kIntervalPositions - 1 - span;
            if (span != 0)
                c.specialBegin = time + 1, c.specialEnd = 48 - time, c.specialSpan = span;
            c.startKey = span % 2;
            const UploadChoices back = ChoicesFromSettings(SettingsFromChoices(c));
            ASSERT_TRUE(SamePositions(back, c)) << time << ' ' << span;
            EXPECT_EQ(back.patientName, "Ada");
        }
    }
}

TEST(UploadChoices, PositionsOutsideTheListsTakeTheDefaults) {
    UploadChoices c = Patient();
    c.awakeTime = 48, c.asleepTime = -1, c.awakeSpan = 10, c.asleepSpan = -3;
    c.specialBegin = 49, c.specialEnd = 48, c.specialSpan = 12, c.startKey = 2;
    const UploadChoices fixed = WithinLists(c);
    const UploadChoices defaults;
    EXPECT_EQ(fixed.awakeTime, defaults.awakeTime);
    EXPECT_EQ(fixed.asleepTime, defaults.asleepTime);
    EXPECT_EQ(fixed.awakeSpan, defaults.awakeSpan);
    EXPECT_EQ(fixed.asleepSpan, defaults.asleepSpan);
    EXPECT_EQ(fixed.specialBegin, 0);
    EXPECT_EQ(fixed.specialEnd, 48);  // 23:30 is in the special list
    EXPECT_EQ(fixed.specialSpan, 0);
    EXPECT_EQ(fixed.startKey, 0);
    EXPECT_EQ(fixed.patientId, "P-7");
}

TEST(UploadChoices, TheNameIsAskedForBeforeTheId) {
    UploadChoices c;
    EXPECT_EQ(MissingPatientField(c), "IDS_MSG_NAME");
    c.patientId = "P-7";
    EXPECT_EQ(MissingPatientField(c), "IDS_MSG_NAME");
    c.patientName = "Ada", c.patientId.clear();
    EXPECT_EQ(MissingPatientField(c), "IDS_MSG_ID");
    c.patientId = "P-7";
    EXPECT_TRUE(MissingPatientField(c).empty());
}

}  // namespace
}  // namespace vitalis
