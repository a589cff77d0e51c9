#include "analysis/DiaryPeriods.h"

#include <gtest/gtest.h>

#include "analysis/PeriodDivision.h"
#include "analysis/TestReadings.h"

namespace vitalis {
namespace {

using test::Reading;
using test::RecordingOf;

// Schedule 22:00–07:00; readings from the evening of 1 March to the morning of the 2nd.
Recording Night() {
    return RecordingOf({Reading(120, 80, 21, 30), Reading(121, 80, 22, 30),
                        Reading(122, 80, 23, 30), Reading(123, 80, 0, 30, 70, 2),
                        Reading(124, 80, 6, 30, 70, 2), Reading(125, 80, 7, 30, 70, 2),
                        Reading(126, 80, 12, 0, 70, 2)});
}

std::vector<int> Asleep(const Recording& r) {
    AnalysisResults results;
    EXPECT_TRUE(DivideMeasurements(r, results));
    std::vector<int> sys;
    for (const Measurement& m : results.asleepMeasurements) sys.push_back(m.sys);
    return sys;
}

TEST(DiaryDivision, DiaryNightDecidesItsReadingsAndOthersFollowTheSchedule) {
    Recording r = Night();
    EXPECT_EQ(Asleep(r), (std::vector<int>{121, 122, 123, 124}));
    EXPECT_TRUE(AppliedDiaryNights(r).empty());

    // Late to bed, up early: the schedule's asleep readings outside the diary's are awake.
    r.diary.nights.push_back({{2026, 3, 1}, 23 * 60, 6 * 60 + 30});
    EXPECT_EQ(Asleep(r), (std::vector<int>{122, 123}));
    // Early to bed, up late: asleep beyond the schedule; get-up itself is awake.
    r.diary.nights[0] = {{2026, 3, 1}, 21 * 60 + 30, 7 * 60 + 30};
    EXPECT_EQ(Asleep(r), (std::vector<int>{120, 121, 122, 123, 124}));
    EXPECT_EQ(AppliedDiaryNights(r), std::vector<bool>{true});

    // A night the recording does not reach is not applied and changes nothing.
    r.diary.nights = {{{2026, 3, 5}, 21 * 60, 9 * 60}};
    EXPECT_EQ(Asleep(r), (std::vector<int>{121, 122, 123, 124}));
    EXPECT_EQ(AppliedDiaryNights(r), std::vector<bool>{false});
    r.multiDay = true;
    r.diary.nights[0].date = {2026, 3, 1};
    EXPECT_EQ(AppliedDiaryNights(r), std::vector<bool>{false});
}

TEST(DiaryDivision, ScheduleInsideOneDayBelongsToTheNightItFalls) {
    Recording r = Night();
    r.asleepStart = 60, r.awakeStart = 6 * 60;
    EXPECT_EQ(ScheduledNight(r, {2026, 3, 1}).begin, DaysFromCivil(2026, 3, 2) * 1440 + 60);
    r.asleepStart = 13 * 60, r.awakeStart = 20 * 60;
    EXPECT_EQ(ScheduledNight(r, {2026, 3, 1}).begin, DaysFromCivil(2026, 3, 1) * 1440 + 13 * 60);
}

}  // namespace
}  // namespace vitalis
