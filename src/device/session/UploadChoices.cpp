#include "device/session/UploadChoices.h"
#include "case/CalendarTime.h"

#include <array>
#include <cstdio>
#include <tuple>
#include <utility>

namespace vitalis {
namespace {

constexpr std::array<int, kIntervalPositions> kIntervals{-2, 5, 10, 15, 20, 30, 45, 60, 90, 120};

bool Within(int position, int size) {
    return position >= 0 && position < size;
}

}  // namespace

int IntervalFromPosition(int position) {
    if (position < 0 || position >= kIntervalPositions) return -1;
    return kIntervals[static_cast<size_t>(position)];
}

int PositionFromInterval(int minutes) {
    for (int p = 1; p < kIntervalPositions; ++p) {
        if (kIntervals[static_cast<size_t>(p)] == minutes) return p;
    }
    return 0;
}

namespace {

DayTime TimeAt(int position) {
    return DayTime::FromMinutes(position * 30);
}

// The dialog's "none" (and a position the list does not have) takes no readings.
std::optional<int> IntervalAt(int position) {
    const int minutes = IntervalFromPosition(position);
    if (minutes < 1) return std::nullopt;
    return minutes;
}

}  // namespace

UploadSettings SettingsFromChoices(const UploadChoices& c) {
    UploadSettings s;
    s.patient.name = c.patientName;
    s.patient.id = c.patientId;
    s.schedule.awake = {TimeAt(c.awakeTime), IntervalAt(c.awakeSpan)};
    s.schedule.asleep = {TimeAt(c.asleepTime), IntervalAt(c.asleepSpan)};
    const std::optional<int> specialInterval = IntervalAt(c.specialSpan);
    if (c.specialBegin != 0 && c.specialEnd != 0 && specialInterval) {
        s.schedule.special =
            SpecialPeriod{TimeAt(c.specialBegin - 1), TimeAt(c.specialEnd - 1), *specialInterval};
    }
    s.optionA = c.startKey == 0 ? 1 : 0xFF;
    return s;
}

UploadChoices ChoicesFromSettings(const UploadSettings& s) {
    UploadChoices c;
    c.patientName = s.patient.name;
    c.patientId = s.patient.id;
    c.awakeTime = s.schedule.awake.start.minutes() / 30;
    c.awakeSpan = PositionFromInterval(s.schedule.awake.interval.value_or(0));
    c.asleepTime = s.schedule.asleep.start.minutes() / 30;
    c.asleepSpan = PositionFromInterval(s.schedule.asleep.interval.value_or(0));
    if (const auto& special = s.schedule.special) {
        if (const int span = PositionFromInterval(special->interval); span != 0) {
            c.specialBegin = special->start.minutes() / 30 + 1;
            c.specialEnd = special->end.minutes() / 30 + 1;
            c.specialSpan = span;
        }
    }
    c.startKey = s.optionA == 1 ? 0 : 1;
    return WithinLists(std::move(c));
}

UploadChoices WithinLists(UploadChoices c) {
    const UploadChoices defaults;
    for (auto [value, fallback, size] :
         {std::tuple{&c.awakeTime, defaults.awakeTime, kTimePositions},
          std::tuple{&c.asleepTime, defaults.asleepTime, kTimePositions},
          std::tuple{&c.awakeSpan, defaults.awakeSpan, kIntervalPositions},
          std::tuple{&c.asleepSpan, defaults.asleepSpan, kIntervalPositions},
          std::tuple{&c.specialBegin, defaults.specialBegin, kTimePositions + 1},
          std::tuple{&c.specialEnd, defaults.specialEnd, kTimePositions + 1},
          std::tuple{&c.specialSpan, defaults.specialSpan, kIntervalPositions},
          std::tuple{&c.startKey, defaults.startKey, 2}}) {
        if (!Within(*value, size)) *value = fallback;
    }
    return c;
}

std::string_view MissingPatientField(const UploadChoices& c) {
    if (c.patientName.empty()) return "IDS_MSG_NAME";
    if (c.patientId.empty()) return "IDS_MSG_ID";
    return {};
}

std::string TimeText(int position) {
    return ShownClockOfMinute(position * 30);
}

std::string IntervalText(int position, std::string_view noneText, std::string_view minsText) {
    if (position == 0) return std::string(noneText);
    return std::to_string(IntervalFromPosition(position)) + std::string(minsText);
}

}  // namespace vitalis
