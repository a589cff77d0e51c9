#include "analysis/clinical/MorningSurge.h"

#include <algorithm>

namespace vitalis::clinical {
namespace {

constexpr int64_t kTwoHours = 120;
constexpr int64_t kDay = 24 * 60;

using Readings = std::vector<TimedReading>;

// The readings with an instant in [from, to), as positions into the time-ordered list.
struct Span {
    size_t first = 0;
    size_t last = 0;  // one past
};

Span Within(const Readings& readings, int64_t from, int64_t to) {
    const auto before = [](const TimedReading& r, int64_t t) { return r.minutes < t; };
    const auto begin = std::lower_bound(readings.begin(), readings.end(), from, before);
    const auto end = std::lower_bound(begin, readings.end(), to, before);
    return {static_cast<size_t>(begin - readings.begin()),
            static_cast<size_t>(end - readings.begin())};
}

std::optional<double> MeanSys(const Readings& readings, Span span) {
    if (span.first == span.last) return std::nullopt;
    double sum = 0.0;
    for (size_t i = span.first; i < span.last; ++i) sum += readings[i].sys;
    return sum / static_cast<double>(span.last - span.first);
}

// The night's lowest asleep reading (the first of equal minima) averaged with the readings
// just before and after it in the whole list, where those exist.
std::optional<double> TroughSys(const Readings& whole, Span night) {
    std::optional<size_t> lowest;
    for (size_t i = night.first; i < night.last; ++i) {
        if (whole[i].asleep && (!lowest || whole[i].sys < whole[*lowest].sys)) lowest = i;
    }
    if (!lowest) return std::nullopt;
    const size_t first = *lowest > 0 ? *lowest - 1 : *lowest;
    const size_t last = std::min(*lowest + 2, whole.size());
    return MeanSys(whole, {first, last});
}

int64_t DayOf(int64_t minutes) {
    return minutes >= 0 ? minutes / kDay : -((-minutes + kDay - 1) / kDay);
}

std::optional<double> Difference(double a, const std::optional<double>& b) {
    if (!b) return std::nullopt;
    return a - *b;
}

}  // namespace

std::vector<MorningSurge> ComputeMorningSurges(const Recording& recording,
                                               const ClinicalReadings& readings) {
    std::vector<MorningSurge> mornings;
    const Readings& whole = readings.whole;
    if (whole.empty()) return mornings;
    const ClockTime& begin = recording.testBegin;
    const int64_t wakeMinute = recording.schedule.awake.start.minutes();
    // No earlier morning can hold a reading in its two hours after waking, so the count
    // starts there at the latest (also when the begin is unset).
    const int64_t readingsFrom = DayOf(whole.front().minutes - wakeMinute - kTwoHours);
    const int64_t firstDay =
        IsValidClockTime(begin)
            ? std::max(DaysFromCivil(begin.year, begin.month, begin.day), readingsFrom)
            : readingsFrom;
    const int64_t lastDay = DayOf(whole.back().minutes);
    for (int64_t day = firstDay; day <= lastDay; ++day) {
        const int64_t wake = day * kDay + wakeMinute;
        const std::optional<double> postWake =
            MeanSys(whole, Within(whole, wake, wake + kTwoHours));
        if (!postWake) continue;
        MorningSurge m;
        m.date = CivilFromDays(day);
        m.postWake = *postWake;
        m.preWake = MeanSys(whole, Within(whole, wake - kTwoHours, wake));
        m.trough = TroughSys(whole, Within(whole, wake - kDay, wake));
        m.sleepTrough = Difference(m.postWake, m.trough);
        m.prewaking = Difference(m.postWake, m.preWake);
        mornings.push_back(m);
    }
    return mornings;
}

}  // namespace vitalis::clinical
