#include "analysis/DiaryPeriods.h"

#include <algorithm>

#include "analysis/PeriodDivision.h"

namespace vitalis {
namespace {

const DiaryNight* NightAt(const Recording& recording, int64_t minutes) {
    for (const DiaryNight& night : recording.diary.nights) {
        const MinuteSpan window = DiaryNightWindow(recording, night);
        if (window.begin <= minutes && minutes <= window.end) return &night;
    }
    return nullptr;
}

}  // namespace

MinuteSpan ScheduledNight(const Recording& recording, const CalendarDate& date) {
    const int64_t evening = DaysFromCivil(date.year, date.month, date.day) * 1440;
    const int asleep = recording.asleepStart;
    const int awake = recording.awakeStart;
    if (asleep > awake) return {evening + asleep, evening + 1440 + awake};
    const int64_t day = asleep >= 12 * 60 ? evening : evening + 1440;
    return {day + asleep, day + awake};
}

MinuteSpan DiaryNightWindow(const Recording& recording, const DiaryNight& night) {
    const MinuteSpan scheduled = ScheduledNight(recording, night.date);
    return {std::min(scheduled.begin, BedtimeMinutes(night)),
            std::max(scheduled.end, GetUpMinutes(night))};
}

bool IsAsleepReading(const Recording& recording, const Measurement& m) {
    if (!recording.diary.nights.empty()) {
        const int64_t minutes = MinutesOf(m.Clock());
        if (const DiaryNight* night = NightAt(recording, minutes)) {
            return BedtimeMinutes(*night) <= minutes && minutes < GetUpMinutes(*night);
        }
    }
    return IsAsleepTime(recording, MinuteOfDay(m));
}

std::vector<bool> AppliedDiaryNights(const Recording& recording) {
    std::vector<bool> applied(recording.diary.nights.size(), false);
    if (recording.multiDay) return applied;
    for (const Measurement& m : recording.validMeasurements()) {
        if (m.valid != 1 || !IsPlausible(m)) continue;
        if (const DiaryNight* night = NightAt(recording, MinutesOf(m.Clock()))) {
            applied[static_cast<size_t>(night - recording.diary.nights.data())] = true;
        }
    }
    return applied;
}

}  // namespace vitalis
