#pragma once

#include <initializer_list>

#include "case/Recording.h"

namespace vitalis::test {

// A counting reading at the given clock time of 1 March 2026; MAP lies between DIA and SYS.
inline Measurement Reading(int sys, int dia, int hour = 10, int minute = 0, int pr = 70,
                           int day = 1) {
    Measurement m;
    m.sys = sys;
    m.dia = dia;
    m.map = dia + (sys - dia) / 2;
    m.pr = pr;
    m.SetClock({2026, 3, day, hour, minute});
    m.valid = 1;
    return m;
}

// A recording holding exactly these readings (the declared count matches), asleep from
// 22:00 to 07:00.
inline Recording RecordingOf(std::initializer_list<Measurement> readings) {
    Recording r;
    r.asleepStart = 22 * 60;
    r.awakeStart = 7 * 60;
    for (Measurement m : readings) {
        m.index = r.measurementCount++;
        r.AddMeasurement(m);
    }
    return r;
}

}  // namespace vitalis::test
