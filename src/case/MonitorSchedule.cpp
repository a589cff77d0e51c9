#include "case/MonitorSchedule.h"

namespace vitalis {

std::optional<int> IntervalFromByte(int byte) {
    if (byte == 0 || byte == kNoneByte) return std::nullopt;
    return byte;
}

int IntervalByte(const std::optional<int>& minutes) {
    return minutes && *minutes >= 1 ? *minutes : kNoneByte;
}

MonitorSchedule ScheduleFromBytes(const ScheduleBytes& b) {
    MonitorSchedule s;
    s.awake = {{b[0], b[1]}, IntervalFromByte(b[2])};
    s.asleep = {{b[3], b[4]}, IntervalFromByte(b[5])};
    const bool startGiven = b[6] != kNoneByte && b[7] != kNoneByte;
    const bool endGiven = b[9] != kNoneByte && b[10] != kNoneByte;
    const std::optional<int> specialInterval = IntervalFromByte(b[8]);
    if (startGiven && endGiven && specialInterval)
        s.special = SpecialPeriod{{b[6], b[7]}, {b[9], b[10]}, *specialInterval};
    return s;
}

ScheduleBytes ScheduleToBytes(const MonitorSchedule& s) {
    ScheduleBytes b{};
    b[0] = s.awake.start.hour, b[1] = s.awake.start.minute, b[2] = IntervalByte(s.awake.interval);
    b[3] = s.asleep.start.hour, b[4] = s.asleep.start.minute;
    b[5] = IntervalByte(s.asleep.interval);
    if (s.special) {
        b[6] = s.special->start.hour, b[7] = s.special->start.minute;
        b[8] = IntervalByte(s.special->interval);
        b[9] = s.special->end.hour, b[10] = s.special->end.minute;
    } else {
        for (size_t i = 6; i < b.size(); ++i) b[i] = kNoneByte;
    }
    return b;
}

}  // namespace vitalis
