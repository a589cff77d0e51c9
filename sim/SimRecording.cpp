#include "sim/SimRecording.h"

#include <random>

namespace vitalis::sim {
namespace {

// Result codes of failed readings a monitor gives most often.
constexpr int kFailures[] = {1, 2, 6, 7, 9, 10, 12, 19};

class Dice {
  public:
    explicit Dice(uint32_t seed) : engine_(seed) {}
    // 0 to n-1; std::mt19937 is the same everywhere, its distributions are not.
    int Below(int n) { return static_cast<int>(engine_() % static_cast<uint32_t>(n)); }
    int Around(int centre, int spread) { return centre - spread + Below(2 * spread + 1); }

  private:
    std::mt19937 engine_;
};

bool IsAsleep(const SimRecording& r, const ClockTime& t) {
    const int minute = t.hour * 60 + t.minute;
    const int awake = r.awakeHour * 60 + r.awakeMin;
    const int asleep = r.asleepHour * 60 + r.asleepMin;
    return asleep > awake ? (minute >= asleep || minute < awake)
                          : (minute >= asleep && minute < awake);
}

Measurement Reading(Dice& dice, bool asleep) {
    Measurement m;
    if (dice.Below(100) < 6) {
        m.status = kFailures[dice.Below(static_cast<int>(std::size(kFailures)))];
        return m;
    }
    m.status = dice.Below(100) < 3 ? 3 : 0;
    m.sys = dice.Around(asleep ? 110 : 128, 14);
    m.dia = dice.Around(asleep ? 66 : 80, 9);
    m.pr = dice.Around(asleep ? 58 : 74, 9);
    m.map = m.dia + (m.sys - m.dia + 1) / 3;
    m.valid = 1;
    return m;
}

}  // namespace

SimRecording GenerateRecording(uint32_t seed) {
    Dice dice(seed);
    SimRecording r;
    r.patientName = "Test Patient " + std::to_string(seed % 1000);
    r.patientId = "SIM" + std::to_string(100000 + seed % 900000);
    r.programmedAt = {2026, 3, 2 + dice.Below(20), 8 + dice.Below(3), dice.Below(60)};
    r.start = AddMinutes(r.programmedAt, 5);
    const int hours = 24 + dice.Below(25);
    const int64_t end = MinutesOf(r.start) + hours * 60;
    ClockTime at = r.start;
    while (MinutesOf(at) <= end) {
        const bool asleep = IsAsleep(r, at);
        Measurement m = Reading(dice, asleep);
        m.index = static_cast<int>(r.readings.size());
        m.SetClock(at);
        m.offsetMinutes = static_cast<int>(MinutesOf(at) - MinutesOf(r.start));
        r.readings.push_back(m);
        at = AddMinutes(at, asleep ? r.asleepInterval : r.awakeInterval);
    }
    return r;
}

SimRecording RecordingFromCase(const Recording& recording) {
    SimRecording r;
    r.patientName = recording.patient.name;
    r.patientId = recording.patient.id;
    r.start = recording.testBegin;
    r.programmedAt = AddMinutes(recording.testBegin, -5);
    // The awake and asleep bytes as the monitor holds them; no special period.
    const ScheduleBytes bytes = ScheduleToBytes(recording.schedule);
    r.awakeHour = bytes[0], r.awakeMin = bytes[1], r.awakeInterval = bytes[2];
    r.asleepHour = bytes[3], r.asleepMin = bytes[4], r.asleepInterval = bytes[5];
    for (Measurement m : recording.allMeasurements()) {
        m.offsetMinutes = static_cast<int>(MinutesOf(m.Clock()) - MinutesOf(r.start));
        r.readings.push_back(m);
    }
    return r;
}

}  // namespace vitalis::sim
