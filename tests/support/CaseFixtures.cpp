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
    h.patientName = "Ada Lovelace";
    h.patientId = "P-0042";
    h.deviceType = 1;
    h.protocolVersion = 2;
    h.awakeHour = 7;
    h.awakeDuration = 15;
    h.asleepHour = 22;
    h.asleepDuration = 30;
    h.testBegin = begin;
    h.awakeStartMinutes = 7 * 60;
    h.asleepStartMinutes = 22 * 60;
    return h;
}

void WriteSampleCase(const std::string& path, const ClockTime& begin, int count) {
    WriteReadings(path, SampleReadings(begin, count), NoTexts());
    WriteHeader(path, SampleHeader(begin));
}

}  // namespace vitalis::test
