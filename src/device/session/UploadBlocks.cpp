#include "device/session/UploadBlocks.h"

#include <algorithm>
#include <vector>

#include "device/heron/HeronPackets.h"

namespace vitalis {
namespace {

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
    const MonitorSchedule& schedule = s.schedule;
    std::vector<DayTime> times{schedule.awake.start, schedule.asleep.start};
    if (schedule.special)
        times.insert(times.end(), {schedule.special->start, schedule.special->end});
    for (const DayTime& t : times) {
        if (!IsTimeOfDay(t.hour, t.minute)) return false;
    }
    for (const int byte : ScheduleToBytes(schedule)) {
        if (byte > 0xFF) return false;
    }
    return FitsByte(s.optionA) && FitsByte(s.optionB);
}

bool IsSendableClock(const ClockTime& c) {
    return IsValidClockTime(c) && c.year <= 0xFFFF;
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

// The eleven schedule bytes, the special period's start, interval and end last.
void PutSchedule(UploadBlock& block, size_t at, const MonitorSchedule& schedule) {
    const ScheduleBytes bytes = ScheduleToBytes(schedule);
    for (size_t i = 0; i < bytes.size(); ++i) block[at + i] = static_cast<uint8_t>(bytes[i]);
}

// The first measurement's period byte at minute t of the day.
int PeriodAt(int t, const MonitorSchedule& s) {
    const int specialStart = s.special ? s.special->start.minutes() : -1;
    const int specialEnd = s.special ? s.special->end.minutes() : -1;
    return FirstMeasurementPeriod(t, s.asleep.start.minutes(), s.awake.start.minutes(),
                                  specialStart, specialEnd);
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
    PutText(block, 0, kNameField, s.patient.name);
    PutText(block, kNameField, kIdField, s.patient.id);
    PutClock(block, 41, now.clock);
    PutClock(block, 47, first);
    block[53] = 1;
    block[54] = 24;
    block[55] = static_cast<uint8_t>(s.optionA);
    block[56] = static_cast<uint8_t>(s.optionB);
    PutSchedule(block, 57, s.schedule);
    block[68] = 0;
    const int t = first.hour * 60 + first.minute;
    block[69] = static_cast<uint8_t>(PeriodAt(t, s.schedule));
    return block;
}

std::optional<UploadBlock> BuildHidUploadBlock(const UploadSettings& s, const LocalTime& now) {
    if (!IsSendable(s) || !IsSendableClock(now.clock)) return std::nullopt;
    UploadBlock block{};
    PutText(block, 0, kNameField, s.patient.name);
    PutText(block, kNameField, kIdField, s.patient.id);
    PutClock(block, 41, now.clock);
    block[47] = static_cast<uint8_t>(std::clamp(now.second, 0, 59));
    PutSchedule(block, 48, s.schedule);
    block[59] = 0;
    block[60] = s.optionA < 2 ? 1 : 0;
    block[61] = 0xFF;
    return block;
}

}  // namespace vitalis
