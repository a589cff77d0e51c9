#pragma once

#include "case/Recording.h"

namespace vitalis::bench {

// 10,000 readings about a minute apart over seven days, asleep 22:00 to 07:00, with a failed
// and an excluded reading now and then.
inline Recording WeekRecording(bool multiDay) {
    Recording r;
    r.asleepStart = 22 * 60;
    r.awakeStart = 7 * 60;
    const ClockTime begin{2026, 3, 1, 0, 0};
    for (int i = 0; i < 10000; ++i) {
        Measurement m;
        m.index = i;
        m.offsetMinutes = i * 10080 / 10000;
        m.SetClock(AddMinutes(begin, m.offsetMinutes));
        m.sys = 100 + (i * 37) % 90;
        m.dia = 55 + (i * 23) % 50;
        m.map = m.dia + (m.sys - m.dia) / 3 + 1;
        m.pr = 50 + (i * 13) % 70;
        m.status = i % 97 == 0 ? 6 : 0;
        m.valid = (m.status == 0 && i % 89 != 0) ? 1 : 0;
        r.AddMeasurement(m);
    }
    r.measurementCount = 10000;
    r.multiDay = multiDay;
    return r;
}

}  // namespace vitalis::bench
