#include "device/session/UploadChoices.h"

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

UploadSettings SettingsFromChoices(const UploadChoices& c) {
    UploadSettings s;
    s.patientName = c.patientName;
    s.patientId = c.patientId;
    s.awakeStart = c.awakeTime * 30;
    s.awakeHour = s.awakeStart / 60;
    s.awakeMin = s.awakeStart % 60;
    s.awakeInterval = IntervalFromPosition(c.awakeSpan);
    s.asleepStart = c.asleepTime * 30;
    s.asleepHour = s.asleepStart / 60;
    s.asleepMin = s.asleepStart % 60;
    s.asleepInterval = IntervalFromPosition(c.asleepSpan);
    if (c.specialBegin == 0 || c.specialEnd == 0 || c.specialSpan == 0) {
        s.specialInterval = 0;
        s.specialStart = s.specialEnd = -1;
        s.specialStartHour = s.specialStartMin = s.specialEndHour = s.specialEndMin = -1;
    } else {
        s.specialStart = c.specialBegin * 30 - 30;
        s.specialEnd = c.specialEnd * 30 - 30;
        s.specialStartHour = s.specialStart / 60;
        s.specialStartMin = s.specialStart % 60;
        s.specialEndHour = s.specialEnd / 60;
        s.specialEndMin = s.specialEnd % 60;
        s.specialInterval = IntervalFromPosition(c.specialSpan);
    }
    s.optionA = c.startKey == 0 ? 1 : 0xFF;
    return s;
}

UploadChoices ChoicesFromSettings(const UploadSettings& s) {
    UploadChoices c;
    c.patientName = s.patientName;
    c.patientId = s.patientId;
    c.awakeTime = s.awakeStart / 30;
    c.awakeSpan = PositionFromInterval(s.awakeInterval);
    c.asleepTime = s.asleepStart / 30;
    c.asleepSpan = PositionFromInterval(s.asleepInterval);
    const int specialSpan = PositionFromInterval(s.specialInterval);
    if (s.HasSpecialPeriod() && specialSpan != 0) {
        c.specialBegin = s.specialStart / 30 + 1;
        c.specialEnd = s.specialEnd / 30 + 1;
        c.specialSpan = specialSpan;
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
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", position * 30 / 60, position * 30 % 60);
    return text;
}

std::string IntervalText(int position, std::string_view noneText, std::string_view minsText) {
    if (position == 0) return std::string(noneText);
    return std::to_string(IntervalFromPosition(position)) + std::string(minsText);
}

}  // namespace vitalis
