#include "case/RecordingParameters.h"

#include <cstdio>
#include "case/CalendarTime.h"
#include "case/TextSource.h"

namespace vitalis {

std::string IntervalText(int minutes, const TextSource& texts) {
    if (minutes <= 0) return texts.Text(kDialogTexts, "IDS_NONE");
    return std::to_string(minutes) + " " + texts.Text(kDialogTexts, "IDS_MINS");
}

std::vector<ParameterRow> RecordingParameterRows(const Recording& r, const TextSource& texts) {
    const auto label = [&](const char* section, const char* key) {
        return texts.Text(section, key);
    };
    const auto schedule = [&](const ScheduledPeriod& period) {
        return label(kMessageTexts, "IDS_TIME") + " " +
               ShownClock(period.start.hour, period.start.minute) + ", " +
               label(kMessageTexts, "IDS_INTERVALS") + " " +
               IntervalText(period.interval.value_or(0), texts);
    };
    char begin[48];
    std::snprintf(begin, sizeof begin, "%04d-%02d-%02d %02d:%02d", r.testBegin.year,
                  r.testBegin.month, r.testBegin.day, r.testBegin.hour, r.testBegin.minute);
    const int excluded =
        static_cast<int>(r.allMeasurements().size() - r.validMeasurements().size());
    return {
        {label(kMessageTexts, "IDS_PATIENTS_NAMES"), r.patient.name},
        {label(kMessageTexts, "IDS_PATIENTS_ID"), r.patient.id},
        {label(kMessageTexts, "IDS_BEGIN_TIME"), begin},
        {label(kMenuTexts, "IDS_COUNT"), std::to_string(r.allMeasurements().size()) + " (" +
                                             label(kMenuTexts, "IDS_EXCLUDED") + ": " +
                                             std::to_string(excluded) + ")"},
        {label(kMessageTexts, "IDS_AWAKE"), schedule(r.schedule.awake)},
        {label(kMessageTexts, "IDS_SLEEP"), schedule(r.schedule.asleep)},
        {label(kMessageTexts, "IDS_SLEEP_PERIOD"),
         ShownClock(r.asleepStart / 60, r.asleepStart % 60) + " - " +
             ShownClock(r.awakeStart / 60, r.awakeStart % 60)},
    };
}

}  // namespace vitalis
