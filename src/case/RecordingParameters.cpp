#include "case/RecordingParameters.h"

#include <cstdio>
#include "case/TextSource.h"

namespace vitalis {

std::string ClockOfDay(int hour, int minute) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
}

std::string IntervalText(int minutes, const TextSource& texts) {
    if (minutes <= 0) return texts.Text(kDialogTexts, "IDS_NONE");
    return std::to_string(minutes) + " " + texts.Text(kDialogTexts, "IDS_MINS");
}

std::vector<ParameterRow> RecordingParameterRows(const Recording& r, const TextSource& texts) {
    const auto label = [&](const char* section, const char* key) {
        return texts.Text(section, key);
    };
    const auto schedule = [&](int hour, int minute, int interval) {
        return label(kMessageTexts, "IDS_TIME") + " " + ClockOfDay(hour, minute) + ", " +
               label(kMessageTexts, "IDS_INTERVALS") + " " + IntervalText(interval, texts);
    };
    char begin[48];
    std::snprintf(begin, sizeof begin, "%04d-%02d-%02d %02d:%02d", r.testBegin.year,
                  r.testBegin.month, r.testBegin.day, r.testBegin.hour, r.testBegin.minute);
    const int excluded =
        static_cast<int>(r.allMeasurements().size() - r.validMeasurements().size());
    return {
        {label(kMessageTexts, "IDS_PATIENTS_NAMES"), r.patientName},
        {label(kMessageTexts, "IDS_PATIENTS_ID"), r.patientId},
        {label(kMessageTexts, "IDS_BEGIN_TIME"), begin},
        {label(kMenuTexts, "IDS_COUNT"), std::to_string(r.allMeasurements().size()) + " (" +
                                             label(kMenuTexts, "IDS_EXCLUDED") + ": " +
                                             std::to_string(excluded) + ")"},
        {label(kMessageTexts, "IDS_AWAKE"), schedule(r.awakeHour, r.awakeMin, r.awakeInterval)},
        {label(kMessageTexts, "IDS_SLEEP"), schedule(r.asleepHour, r.asleepMin, r.asleepInterval)},
        {label(kMessageTexts, "IDS_SLEEP_PERIOD"),
         ClockOfDay(r.asleepStart / 60, r.asleepStart % 60) + " - " +
             ClockOfDay(r.awakeStart / 60, r.awakeStart % 60)},
    };
}

}  // namespace vitalis
