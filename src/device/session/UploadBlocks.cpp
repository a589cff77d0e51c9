#include "device/session/UploadBlocks.h"

#include <algorithm>

#include "device/heron/HeronPackets.h"

namespace vitalis {
namespace {

constexpr uint8_t kNone = 0xFF;
constexpr size_t kNameField = 30;
constexpr size_t kIdField = 11;
// The monitor starts its first reading this long after it was programmed.
constexpr int kFirstMeasurementDelayMinutes = 5;

bool IsTimeOfDay(int hour, int minute) {
    return hour >= 0 && hour < 24 && minute >= 0 && minute < 60;
}

bool FitsByte(int value) {
    return value >= 0 && value <= 0xFF;
}

// Every value that goes into a byte must be one the monitor can take, or the block is not
// built at all: a wrapped byte would program a schedule nobody chose.
bool IsSendable(const UploadSettings& s) {
    if (!IsTimeOfDay(s.awakeHour, s.awakeMin) || !IsTimeOfDay(s.asleepHour, s.asleepMin))
        return false;
    if (s.specialStart >= 0 && !IsTimeOfDay(s.specialStartHour, s.specialStartMin)) return false;
    if (s.specialEnd >= 0 && !IsTimeOfDay(s.specialEndHour, s.specialEndMin)) return false;
    return s.awakeInterval <= 0xFF && s.asleepInterval <= 0xFF && s.specialInterval <= 0xFF &&
           FitsByte(s.optionA) && FitsByte(s.optionB);
}

bool IsSendableClock(const ClockTime& c) {
    return IsValidClockTime(c) && c.year <= 0xFFFF;
}

uint8_t Interval(int minutes) {
    return minutes < 1 ? kNone : static_cast<uint8_t>(minutes);
}

void PutText(UploadBlock& block, size_t at, size_t width, const std::string& utf8) {
    PutFixedWidthText(std::span(block).subspan(at, width), utf8);
}

void PutClock(UploadBlock& block, size_t at, const ClockTime& c) {
    block[at] = static_cast<uint8_t>(c.year >> 8);
    block[at + 1] = static_cast<uint8_t>(c.year);
    block[at + 2] = static_cast<uint8_t>(c.month);
    block[at + 3] = static_cast<uint8_t>(c.day);
    block[at + 4] = static_cast<uint8_t>(c.hour);
    block[at + 5] = static_cast<uint8_t>(c.minute);
}

// Start hour and minute, the interval, end hour and minute of the special period.
void PutSpecial(UploadBlock& block, size_t at, const UploadSettings& s) {
    const bool start = s.specialStart >= 0;
    const bool end = s.specialEnd >= 0;
    block[at] = start ? static_cast<uint8_t>(s.specialStartHour) : kNone;
    block[at + 1] = start ? static_cast<uint8_t>(s.specialStartMin) : kNone;
    block[at + 2] = Interval(s.specialInterval);
    block[at + 3] = end ? static_cast<uint8_t>(s.specialEndHour) : kNone;
    block[at + 4] = end ? static_cast<uint8_t>(s.specialEndMin) : kNone;
}

void PutSchedule(UploadBlock& block, size_t at, const UploadSettings& s) {
    block[at] = static_cast<uint8_t>(s.awakeHour);
    block[at + 1] = static_cast<uint8_t>(s.awakeMin);
    block[at + 2] = Interval(s.awakeInterval);
    block[at + 3] = static_cast<uint8_t>(s.asleepHour);
    block[at + 4] = static_cast<uint8_t>(s.asleepMin);
    block[at + 5] = Interval(s.asleepInterval);
    PutSpecial(block, at + 6, s);
}

}  // namespace

int FirstMeasurementPeriod(int t, int asleepStart, int awakeStart, int specialStart,
                           int specialEnd) {
    if (specialStart >= 0 && specialEnd >= 0) {
        // A special period may run over midnight like the asleep one (22:00 to 02:00);
        // read as a plain range it could never contain any time.
        const bool inSpecial = specialStart <= specialEnd ? specialStart <= t && t <= specialEnd
                                                          : t >= specialStart || t <= specialEnd;
        if (inSpecial) return 3;
    }
    const bool asleep = asleepStart < awakeStart ? asleepStart < t && t < awakeStart
                                                 : t > asleepStart || t < awakeStart;
    return asleep ? 2 : 1;
}

std::optional<UploadBlock> BuildHeronUploadBlock(const UploadSettings& s, const LocalTime& now) {
    const ClockTime first = AddMinutes(now.clock, kFirstMeasurementDelayMinutes);
    if (!IsSendable(s) || !IsSendableClock(now.clock) || !IsSendableClock(first))
        return std::nullopt;
    UploadBlock block{};
    PutText(block, 0, kNameField, s.patientName);
    PutText(block, kNameField, kIdField, s.patientId);
    PutClock(block, 41, now.clock);
    PutClock(block, 47, first);
    block[53] = 1;
    block[54] = 24;
    block[55] = static_cast<uint8_t>(s.optionA);
    block[56] = static_cast<uint8_t>(s.optionB);
    PutSchedule(block, 57, s);
    block[68] = 0;
    const int t = first.hour * 60 + first.minute;
    block[69] = static_cast<uint8_t>(
        FirstMeasurementPeriod(t, s.asleepStart, s.awakeStart, s.specialStart, s.specialEnd));
    return block;
}

std::optional<UploadBlock> BuildHidUploadBlock(const UploadSettings& s, const LocalTime& now) {
    if (!IsSendable(s) || !IsSendableClock(now.clock)) return std::nullopt;
    UploadBlock block{};
    PutText(block, 0, kNameField, s.patientName);
    PutText(block, kNameField, kIdField, s.patientId);
    PutClock(block, 41, now.clock);
    block[47] = static_cast<uint8_t>(std::clamp(now.second, 0, 59));
    PutSchedule(block, 48, s);
    block[59] = 0;
    block[60] = s.optionA < 2 ? 1 : 0;
    block[61] = 0xFF;
    return block;
}

}  // namespace vitalis
