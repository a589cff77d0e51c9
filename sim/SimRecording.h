#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "case/CalendarTime.h"
#include "case/Measurement.h"
#include "case/Recording.h"

namespace vitalis::sim {

// What a simulated monitor has stored: how it was programmed and the readings it took.
struct SimRecording {
    std::string patientName;
    std::string patientId;
    ClockTime programmedAt;
    ClockTime start;  // the first measurement
    int awakeHour = 7;
    int awakeMin = 0;
    int awakeInterval = 15;
    int asleepHour = 22;
    int asleepMin = 0;
    int asleepInterval = 30;
    int specialStartHour = 0xFF;
    int specialStartMin = 0xFF;
    int specialInterval = 0xFF;
    int specialEndHour = 0xFF;
    int specialEndMin = 0xFF;
    std::vector<Measurement> readings;  // clock and offset from start filled in
};

// A day or two (24 to 48 hours, by the seed) of readings on the usual schedule: every
// 15 minutes awake, every 30 asleep, lower at night, with now and then a failed reading.
// The same seed gives the same recording on every machine.
SimRecording GenerateRecording(uint32_t seed);

// The readings and programming of a case file, as a monitor would hold them.
SimRecording RecordingFromCase(const Recording& recording);

}  // namespace vitalis::sim
