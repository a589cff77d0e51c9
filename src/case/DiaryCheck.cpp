#include "case/DiaryCheck.h"

namespace vitalis {

int MinutesInBed(const DiaryNight& night) {
    return static_cast<int>(GetUpMinutes(night) - BedtimeMinutes(night));
}

DiaryNightCheck CheckDiaryNights(const std::vector<DiaryNight>& nights) {
    for (size_t n = 0; n < nights.size(); ++n) {
        if (MinutesInBed(nights[n]) > kLongestNightMinutes)
            return {DiaryNightProblem::TooLongInBed, n, n};
        for (size_t earlier = 0; earlier < n; ++earlier) {
            if (nights[earlier].date == nights[n].date)
                return {DiaryNightProblem::SameEvening, n, earlier};
            // In bed from bedtime up to (not including) get-up time.
            if (BedtimeMinutes(nights[n]) < GetUpMinutes(nights[earlier]) &&
                BedtimeMinutes(nights[earlier]) < GetUpMinutes(nights[n]))
                return {DiaryNightProblem::Overlapping, n, earlier};
        }
    }
    return {};
}

}  // namespace vitalis
