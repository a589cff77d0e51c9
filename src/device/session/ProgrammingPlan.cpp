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
    const MonitorSchedule s = SettingsFromChoices(choices).schedule;
    const int awakeStart = s.awake.start.minutes(), asleepStart = s.asleep.start.minutes();
    // A special period that ends as or before it begins is not programmed.
    const SpecialPeriod special = s.special.value_or(SpecialPeriod{});
    const int specialStart = special.start.minutes(), specialEnd = special.end.minutes();
    const bool hasSpecial = s.special && specialEnd > specialStart;
    ProgrammingPlan plan;
    plan.specialEndsBeforeItBegins = choices.specialBegin > 0 && choices.specialEnd > 0 &&
                                     choices.specialEnd <= choices.specialBegin;
    // The same start for both periods leaves the whole day awake.
    const bool awakeAllDay = awakeStart == asleepStart;
    for (int minute = 0; minute < kDayMinutes; ++minute) {
        if (hasSpecial && Inside(minute, specialStart, specialEnd)) {
            ++plan.specialMinutes;
            if (special.interval > 0 && (minute - specialStart) % special.interval == 0)
                ++plan.specialReadings;
            continue;
        }
        const bool awake = awakeAllDay || Inside(minute, awakeStart, asleepStart);
        const int start = awake ? awakeStart : asleepStart;
        const int interval = (awake ? s.awake : s.asleep).interval.value_or(0);
        const int since = (minute - start + kDayMinutes) % kDayMinutes;
        const bool reading = interval > 0 && since % interval == 0;
        (awake ? plan.awakeMinutes : plan.asleepMinutes) += 1;
        if (reading) (awake ? plan.awakeReadings : plan.asleepReadings) += 1;
    }
    plan.awakeWithoutReadings = plan.awakeMinutes > 0 && !s.awake.interval;
    plan.asleepWithoutReadings = plan.asleepMinutes > 0 && !s.asleep.interval;
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
