#include "analysis/clinical/MorningSurge.h"

#include <gtest/gtest.h>

#include "analysis/clinical/ClinicalTestReadings.h"

namespace vitalis::clinical {
namespace {

using test::Reading;
using test::RecordingOf;

std::vector<MorningSurge> SurgesOf(Recording r, ClockTime begin = {2026, 3, 1, 5, 0}) {
    r.schedule.awake.start = {7, 0};
    r.testBegin = begin;
    return ComputeMorningSurges(r, test::OrderedOf(r));
}

TEST(MorningSurge, WindowsTroughWithNeighboursAndMorningsWithoutPreWake) {
    const Recording r = RecordingOf({
        Reading(100, 60, 5, 0), Reading(90, 60, 5, 30), Reading(90, 60, 6, 0),
        Reading(105, 60, 6, 30), Reading(130, 80, 7, 0),  // at the wake time: after waking
        Reading(140, 80, 8, 59), Reading(200, 80, 9, 0),  // two hours after: no longer
        Reading(150, 80, 10, 0, 70, 2),  // 2 March: nothing between 07:00 and 09:00
        Reading(120, 80, 7, 30, 70, 3),  // 3 March: no reading before waking, no asleep one
    });
    const std::vector<MorningSurge> surges = SurgesOf(r);
    ASSERT_EQ(surges.size(), 2u);
    const MorningSurge& first = surges[0];
    EXPECT_EQ(first.date, (CalendarDate{2026, 3, 1}));
    EXPECT_DOUBLE_EQ(first.postWake, 135.0);
    EXPECT_DOUBLE_EQ(*first.preWake, (100.0 + 90 + 90 + 105) / 4);
    // The first of the two 90s (05:30), with 100 before it and the other 90 after it.
    EXPECT_DOUBLE_EQ(*first.trough, (100.0 + 90 + 90) / 3);
    EXPECT_DOUBLE_EQ(*first.sleepTrough, 135.0 - 280.0 / 3);
    EXPECT_DOUBLE_EQ(*first.prewaking, 135.0 - 96.25);

    const MorningSurge& third = surges[1];
    EXPECT_EQ(third.date, (CalendarDate{2026, 3, 3}));
    EXPECT_DOUBLE_EQ(third.postWake, 120.0);
    EXPECT_FALSE(third.preWake);
    EXPECT_FALSE(third.trough);
    EXPECT_FALSE(third.sleepTrough);
    EXPECT_FALSE(third.prewaking);
}

TEST(MorningSurge, TroughAtTheStartOfTheListHasOnlyTheReadingAfterIt) {
    const Recording r = RecordingOf(
        {Reading(95, 60, 23, 0), Reading(105, 60, 3, 0, 70, 2), Reading(130, 80, 7, 30, 70, 2)});
    const std::vector<MorningSurge> surges = SurgesOf(r);
    ASSERT_EQ(surges.size(), 1u);
    EXPECT_DOUBLE_EQ(*surges[0].trough, 100.0);
    EXPECT_DOUBLE_EQ(*surges[0].sleepTrough, 30.0);
}

TEST(MorningSurge, AWakeTimeBeforeTheTestBeginStillCounts) {
    const Recording r = RecordingOf({Reading(130, 80, 7, 45), Reading(140, 80, 8, 15)});
    const std::vector<MorningSurge> surges = SurgesOf(r, {2026, 3, 1, 7, 30});
    ASSERT_EQ(surges.size(), 1u);
    EXPECT_DOUBLE_EQ(surges[0].postWake, 135.0);
}

TEST(MorningSurge, ProgrammedWakeMinuteNotTheHalfHour) {
    Recording r =
        RecordingOf({Reading(130, 80, 7, 10), Reading(150, 80, 9, 19), Reading(170, 80, 9, 20)});
    r.schedule.awake.start = {7, 20};
    r.testBegin = {2026, 3, 1, 5, 0};
    const std::vector<MorningSurge> surges = ComputeMorningSurges(r, test::OrderedOf(r));
    ASSERT_EQ(surges.size(), 1u);
    EXPECT_DOUBLE_EQ(surges[0].postWake, 150.0);  // 07:20 up to 09:20, which is out
    EXPECT_DOUBLE_EQ(*surges[0].preWake, 130.0);
}

TEST(MorningSurge, SeventyTwoHoursGiveThreeMornings) {
    // Hourly from 1 March 10:00 to 4 March 10:00; SYS = 100 + hour + 10 per day.
    Recording r;
    r.asleepStart = 22 * 60, r.awakeStart = 7 * 60;
    for (int k = 0; k <= 72; ++k) {
        const ClockTime t = AddMinutes({2026, 3, 1, 10, 0}, k * 60);
        Measurement m = Reading(100 + t.hour + 10 * (t.day - 1), 70, t.hour, 0, 70, t.day);
        m.index = r.measurementCount++;
        r.AddMeasurement(m);
    }
    const std::vector<MorningSurge> surges = SurgesOf(r, {2026, 3, 1, 10, 0});
    ASSERT_EQ(surges.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const MorningSurge& m = surges[static_cast<size_t>(i)];
        const double day = 10.0 * (i + 1);
        EXPECT_EQ(m.date, (CalendarDate{2026, 3, 2 + i}));
        EXPECT_DOUBLE_EQ(m.postWake, 107.5 + day);  // 07:00 and 08:00
        EXPECT_DOUBLE_EQ(*m.preWake, 105.5 + day);  // 05:00 and 06:00
        // Lowest asleep reading: midnight (100 + day), between 23:00 of the day before and
        // 01:00.
        EXPECT_DOUBLE_EQ(*m.trough, (123.0 + day - 10 + 100 + day + 101 + day) / 3);
    }
}

TEST(MorningSurge, NoReadingsNoMornings) {
    EXPECT_TRUE(SurgesOf(RecordingOf({})).empty());
}

}  // namespace
}  // namespace vitalis::clinical
