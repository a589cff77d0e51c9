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

Json DateJson(const CalendarDate& d) {
    return Json::array({d.year, d.month, d.day});
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
    return Json{{"patientName", r.patientName},
                {"patientId", r.patientId},
                {"address", r.address},
                {"gender", r.gender},
                {"birthday", DateJson(r.birthday)},
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
                {"awakeHour", r.awakeHour},
                {"awakeMin", r.awakeMin},
                {"awakeInterval", r.awakeInterval},
                {"asleepHour", r.asleepHour},
                {"asleepMin", r.asleepMin},
                {"asleepInterval", r.asleepInterval},
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
