#include "device/session/ProgrammingPlan.h"

namespace vitalis {
namespace {

constexpr int kDayMinutes = 24 * 60;
constexpr int kFifteenMinutes = 3;  // list positions
constexpr int kThirtyMinutes = 5;

bool Inside(int minute, int begin, int end) {
    // A period may run past midnight.
    return begin <= end ? minute >= begin && minute < end : minute >= begin || minute < end;
}

}  // namespace

ProgrammingPlan PlanOf(const UploadChoices& choices) {
    const UploadSettings s = SettingsFromChoices(choices);
    const bool special = s.specialStart >= 0 && s.specialEnd > s.specialStart;
    ProgrammingPlan plan;
    plan.specialEndsBeforeItBegins = choices.specialBegin > 0 && choices.specialEnd > 0 &&
                                     choices.specialEnd <= choices.specialBegin;
    // The same start for both periods leaves the whole day awake.
    const bool awakeAllDay = s.awakeStart == s.asleepStart;
    for (int minute = 0; minute < kDayMinutes; ++minute) {
        if (special && Inside(minute, s.specialStart, s.specialEnd)) {
            ++plan.specialMinutes;
            if (s.specialInterval > 0 && (minute - s.specialStart) % s.specialInterval == 0)
                ++plan.specialReadings;
            continue;
        }
        const bool awake = awakeAllDay || Inside(minute, s.awakeStart, s.asleepStart);
        const int start = awake ? s.awakeStart : s.asleepStart;
        const int interval = awake ? s.awakeInterval : s.asleepInterval;
        const int since = (minute - start + kDayMinutes) % kDayMinutes;
        const bool reading = interval > 0 && since % interval == 0;
        (awake ? plan.awakeMinutes : plan.asleepMinutes) += 1;
        if (reading) (awake ? plan.awakeReadings : plan.asleepReadings) += 1;
    }
    plan.awakeWithoutReadings = plan.awakeMinutes > 0 && s.awakeInterval <= 0;
    plan.asleepWithoutReadings = plan.asleepMinutes > 0 && s.asleepInterval <= 0;
    return plan;
}

UploadChoices FreshProgrammingChoices(const UploadChoices& stored) {
    UploadChoices fresh = WithinLists(stored);
    fresh.patientName.clear();
    fresh.patientId.clear();
    const bool neverChosen = fresh.awakeSpan == 0 && fresh.asleepSpan <= 1;
    if (neverChosen) {
        fresh.awakeSpan = kFifteenMinutes;
        fresh.asleepSpan = kThirtyMinutes;
    }
    return fresh;
}

}  // namespace vitalis
