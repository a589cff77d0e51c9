#include "case/RecordingParameters.h"

#include <cstdio>

namespace vitalis {

std::string ClockOfDay(int hour, int minute) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
}

std::string IntervalText(int minutes, const TextSource& texts) {
    if (minutes <= 0) return texts.Text("Dialog Setting", "IDS_NONE");
    return std::to_string(minutes) + " " + texts.Text("Dialog Setting", "IDS_MINS");
}

std::vector<ParameterRow> RecordingParameterRows(const Recording& r, const TextSource& texts) {
    const auto label = [&](const char* section, const char* key) { return texts.Text(section, key); };
    const auto schedule = [&](int hour, int minute, int interval) {
        return label("Message Setting", "IDS_TIME") + " " + ClockOfDay(hour, minute) + ", " +
               label("Message Setting", "IDS_INTERVALS") + " " + IntervalText(interval, texts);
    };
    char begin[48];
    std::snprintf(begin, sizeof begin, "%04d-%02d-%02d %02d:%02d", r.testBegin.year,
                  r.testBegin.month, r.testBegin.day, r.testBegin.hour, r.testBegin.minute);
    const int excluded = static_cast<int>(r.allMeasurements().size() - r.validMeasurements().size());
    return {
        {label("Message Setting", "IDS_PATIENTS_NAMES"), r.patientName},
        {label("Message Setting", "IDS_PATIENTS_ID"), r.patientId},
        {label("Message Setting", "IDS_BEGIN_TIME"), begin},
        {label("Menu Setting", "IDS_COUNT"),
         std::to_string(r.allMeasurements().size()) + " (" + label("Menu Setting", "IDS_EXCLUDED") +
             ": " + std::to_string(excluded) + ")"},
        {label("Message Setting", "IDS_AWAKE"), schedule(r.awakeHour, r.awakeMin, r.awakeInterval)},
        {label("Message Setting", "IDS_SLEEP"), schedule(r.asleepHour, r.asleepMin, r.asleepInterval)},
        {label("Message Setting", "IDS_SLEEP_PERIOD"),
         ClockOfDay(r.asleepStart / 60, r.asleepStart % 60) + " - " +
             ClockOfDay(r.awakeStart / 60, r.awakeStart % 60)},
    };
}

}  // namespace vitalis
