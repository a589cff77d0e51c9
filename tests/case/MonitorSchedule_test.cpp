#include "case/MonitorSchedule.h"

#include <gtest/gtest.h>

namespace vitalis {
namespace {

constexpr int kNone = 0xFF;

TEST(MonitorSchedule, ReadsTheElevenBytesInTheirOrder) {
    const MonitorSchedule s = ScheduleFromBytes({6, 30, 20, 23, 0, 60, 12, 0, 5, 13, 30});
    EXPECT_EQ(s.awake.start, (DayTime{6, 30}));
    EXPECT_EQ(s.awake.interval, 20);
    EXPECT_EQ(s.asleep.start, (DayTime{23, 0}));
    EXPECT_EQ(s.asleep.interval, 60);
    ASSERT_TRUE(s.special);
    EXPECT_EQ(s.special->start, (DayTime{12, 0}));
    EXPECT_EQ(s.special->interval, 5);
    EXPECT_EQ(s.special->end, (DayTime{13, 30}));
}

TEST(MonitorSchedule, NoneIsAnEmptyOptionalWhateverTheByteSaid) {
    // 0xFF and 0 both take no readings.
    const MonitorSchedule s =
        ScheduleFromBytes({7, 0, kNone, 22, 0, 0, kNone, kNone, kNone, kNone, kNone});
    EXPECT_EQ(s.awake.interval, std::nullopt);
    EXPECT_EQ(s.asleep.interval, std::nullopt);
    EXPECT_FALSE(s.special);
    // A special period needs its start, its end and its interval.
    EXPECT_FALSE(ScheduleFromBytes({7, 0, 15, 22, 0, 30, 12, 0, kNone, 13, 0}).special);
    EXPECT_FALSE(ScheduleFromBytes({7, 0, 15, 22, 0, 30, 12, 0, 0, 13, 0}).special);
    EXPECT_FALSE(ScheduleFromBytes({7, 0, 15, 22, 0, 30, kNone, 0, 5, 13, 0}).special);
    EXPECT_FALSE(ScheduleFromBytes({7, 0, 15, 22, 0, 30, 12, 0, 5, 13, kNone}).special);
    // Midnight is a time, not none.
    EXPECT_TRUE(ScheduleFromBytes({7, 0, 15, 22, 0, 30, 0, 0, 5, 1, 0}).special);
}

TEST(MonitorSchedule, WritesNoneAs0xFF) {
    MonitorSchedule s;  // 07:00 every 15, 22:00 every 30, no special period
    EXPECT_EQ(ScheduleToBytes(s),
              (ScheduleBytes{7, 0, 15, 22, 0, 30, kNone, kNone, kNone, kNone, kNone}));
    s.awake.interval = std::nullopt;
    s.asleep.interval = -2;  // below a minute takes no readings either
    s.special = SpecialPeriod{{0, 0}, {2, 30}, 10};
    EXPECT_EQ(ScheduleToBytes(s), (ScheduleBytes{7, 0, kNone, 22, 0, kNone, 0, 0, 10, 2, 30}));
    // A value too large for a byte is passed on for the sender to refuse, not cut.
    s.asleep.interval = 300;
    EXPECT_EQ(ScheduleToBytes(s)[5], 300);
}

TEST(MonitorSchedule, EveryScheduleOfWholeBytesComesBackTheSame) {
    for (int hour = 0; hour < 24; hour += 5) {
        for (const std::optional<int> interval :
             {std::optional<int>{}, std::optional<int>{1}, std::optional<int>{120}}) {
            MonitorSchedule s;
            s.awake = {{hour, 59 - hour}, interval};
            s.asleep = {{23 - hour, hour}, interval ? std::nullopt : std::optional<int>{45}};
            if (interval) s.special = SpecialPeriod{{hour, 0}, {(hour + 3) % 24, 15}, *interval};
            EXPECT_EQ(ScheduleFromBytes(ScheduleToBytes(s)), s) << hour;
        }
    }
}

TEST(DayTime, MinutesOfTheDay) {
    EXPECT_EQ((DayTime{22, 30}).minutes(), 1350);
    EXPECT_EQ(DayTime::FromMinutes(1335), (DayTime{22, 15}));
    EXPECT_EQ(DayTime::FromMinutes(0), (DayTime{0, 0}));
}

}  // namespace
}  // namespace vitalis
