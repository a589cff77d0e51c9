#include "support/CaseFixtures.h"

namespace vitalis::test {

std::vector<Measurement> SampleReadings(const ClockTime& begin, int count, int interval) {
    std::vector<Measurement> readings;
    for (int i = 0; i < count; ++i) {
        Measurement m;
        m.index = i;
        m.offsetMinutes = i * interval;
        m.SetClock(AddMinutes(begin, m.offsetMinutes));
        if (i % 17 == 5) {
            m.status = 6;  // loose cuff
        } else {
            m.sys = 110 + (i * 7) % 50;
            m.dia = 65 + (i * 3) % 25;
            m.map = (m.sys + 2 * m.dia) / 3;
            m.pr = 55 + (i * 5) % 40;
            m.valid = 1;
        }
        m.mode = i % 3;
        readings.push_back(m);
    }
    return readings;
}

CaseHeader SampleHeader(const ClockTime& begin) {
    CaseHeader h;
    h.patient.name = "Ada Lovelace";
    h.patient.id = "P-0042";
    h.deviceType = 1;
    h.protocolVersion = 2;
    // 07:00 every 15 minutes, 22:00 every 30, and a special period from midnight to midnight
    // that takes no readings: its start and end keys 0, as the sample files have always had.
    h.schedule = MonitorSchedule{};
    h.schedule->special = SpecialPeriod{{0, 0}, {0, 0}, 0};
    h.testBegin = begin;
    return h;
}

void WriteSampleCase(const std::string& path, const ClockTime& begin, int count) {
    WriteReadings(path, SampleReadings(begin, count), NoTexts());
    WriteHeader(path, SampleHeader(begin));
}

}  // namespace vitalis::test
