#include "device/UploadChoices.h"

#include <array>

namespace vitalis {
namespace {

constexpr std::array<int, kIntervalPositions> kIntervals{-2, 5, 10, 15, 20, 30, 45, 60, 90, 120};

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

}  // namespace vitalis
