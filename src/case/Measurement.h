#pragma once

#include <cstdint>
#include <string>

#include "case/CalendarTime.h"

namespace vitalis {

// One blood-pressure reading of a recording.
struct Measurement {
    int index = 0;  // 0-based position in the test (key number - 1)
    int sys = 0;    // mmHg
    int dia = 0;
    int pr = 0;      // beats per minute
    int map = 0;     // mean arterial pressure
    int status = 0;  // the monitor's result code: 0 and 3 succeeded, anything else failed
    int aux = 0;     // filled by some downloads; never stored in a case file
    int extra = 0;
    int mode = 0;  // 0, 1 or 2, carried unchanged from the monitor
    int hour = 0;
    int minute = 0;
    int day = 0;
    int month = 0;
    int year = 0;
    int offsetMinutes = 0;  // from the test begin, 24 bits, negative when marked so
    std::string remark;     // failure text or the clinician's remark
    uint8_t valid = 0;      // 1: counts in the analysis

    ClockTime Clock() const { return {year, month, day, hour, minute}; }
    void SetClock(const ClockTime& t) {
        year = t.year, month = t.month, day = t.day, hour = t.hour, minute = t.minute;
    }
};

inline bool IsSuccessfulStatus(int status) {
    return status == 0 || status == 3;
}

// Pressures and pulse each above 0 and below 400, SYS > MAP > DIA, and a real clock time.
bool IsPlausible(const Measurement& m);

}  // namespace vitalis
