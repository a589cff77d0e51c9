#include "RecordingJson.h"

namespace vitalis::cli {

const char* PeriodKey(Period period) {
    switch (period) {
        case Period::Awake:
            return "awake";
        case Period::Asleep:
            return "asleep";
        case Period::Whole:
            break;
    }
    return "whole";
}

Json DateJson(const CalendarDate& date) {
    return Json::array({date.year, date.month, date.day});
}

// Null for an unknown date.
Json DateJson(const std::optional<CalendarDate>& d) {
    if (!d) return nullptr;
    return DateJson(*d);
}

// Minutes between readings; 0 for a period that takes none.
int IntervalJson(const ScheduledPeriod& period) {
    return period.interval.value_or(0);
}

Json ClockJson(const ClockTime& t) {
    return Json::array({t.year, t.month, t.day, t.hour, t.minute});
}

Json MeasurementJson(const Measurement& m) {
    return Json{{"index", m.index},   {"sys", m.sys},       {"dia", m.dia},
                {"pr", m.pr},         {"map", m.map},       {"status", m.status},
                {"aux", m.aux},       {"extra", m.extra},   {"mode", m.mode},
                {"hour", m.hour},     {"minute", m.minute}, {"day", m.day},
                {"month", m.month},   {"year", m.year},     {"offsetMinutes", m.offsetMinutes},
                {"remark", m.remark}, {"valid", m.valid},   {"plausible", IsPlausible(m)}};
}

Json RecordingJson(const Recording& r) {
    return Json{{"patientName", r.patient.name},
                {"patientId", r.patient.id},
                {"address", r.address},
                {"gender", SexCode(r.patient.sex)},
                {"birthday", DateJson(r.patient.birthDate)},
                {"race", r.race},
                {"height", r.height},
                {"weight", r.weight},
                {"age", r.age},
                {"phone", r.phone},
                {"medications", r.medications},
                {"clinicalInterpretation", r.clinicalInterpretation},
                {"referringPhysician", r.referringPhysician},
                {"interpretingPhysician", r.interpretingPhysician},
                {"comments", r.comments},
                {"outpatientNo", r.outpatientNo},
                {"admissionNo", r.admissionNo},
                {"bedNo", r.bedNo},
                {"departmentNo", r.departmentNo},
                {"email", r.email},
                {"measurementCount", r.measurementCount},
                {"testBegin", ClockJson(r.testBegin)},
                {"awakeStart", r.awakeStart},
                {"asleepStart", r.asleepStart},
                {"awakeHour", r.schedule.awake.start.hour},
                {"awakeMin", r.schedule.awake.start.minute},
                {"awakeInterval", IntervalJson(r.schedule.awake)},
                {"asleepHour", r.schedule.asleep.start.hour},
                {"asleepMin", r.schedule.asleep.start.minute},
                {"asleepInterval", IntervalJson(r.schedule.asleep)},
                {"casePath", r.casePath},
                {"recordingEnd", ClockJson(r.recordingEnd)},
                {"multiDay", r.multiDay},
                {"allMeasurementsCount", r.allMeasurements().size()},
                {"plausibleMeasurementsCount", r.plausibleMeasurements().size()},
                {"validMeasurementsCount", r.validMeasurements().size()}};
}

Json MeasurementsJson(const Recording& r) {
    Json list = Json::array();
    for (const Measurement& m : r.allMeasurements()) list.push_back(MeasurementJson(m));
    return list;
}

}  // namespace vitalis::cli
