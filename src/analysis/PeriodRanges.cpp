#include "analysis/PeriodRanges.h"

namespace vitalis {

RangeBounds PeriodRanges::Of(Period period, const ThresholdSettings& thresholds) const {
    const std::optional<RangeBounds>& set = sets_[static_cast<size_t>(PeriodSlot(period))];
    return set ? *set : InitialRanges(period, thresholds);
}

void PeriodRanges::Set(Period period, const RangeBounds& bounds) {
    sets_[static_cast<size_t>(PeriodSlot(period))] = bounds;
}

}  // namespace vitalis
