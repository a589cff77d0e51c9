#pragma once

#include <array>
#include <optional>

#include "analysis/PeriodSummary.h"
#include "case/Period.h"
#include "case/ThresholdSettings.h"

namespace vitalis {

// The range bounds of the view, one set for each period: choosing a period brings back the
// bounds last set for it. A set nobody has set yet follows that period's thresholds.
class PeriodRanges {
  public:
    // The bounds of `period`: the ones last set, or InitialRanges of the thresholds.
    RangeBounds Of(Period period, const ThresholdSettings& thresholds) const;
    void Set(Period period, const RangeBounds& bounds);
    // Every period back to its thresholds, as for a case just opened.
    void Reset() { sets_ = {}; }

  private:
    std::array<std::optional<RangeBounds>, 3> sets_{};
};

}  // namespace vitalis
