#include "analysis/PeriodRanges.h"

#include <gtest/gtest.h>

namespace vitalis {
namespace {

ThresholdSettings Limits() {
    ThresholdSettings limits;
    limits.awakeSys = 135;
    limits.awakeDia = 85;
    limits.asleepSys = 120;
    limits.asleepDia = 70;
    return limits;
}

TEST(PeriodRanges, UnsetPeriodsFollowTheirThresholdsAndSetOnesKeepTheirBounds) {
    PeriodRanges ranges;
    ThresholdSettings limits = Limits();
    const RangeBounds asleep = ranges.Of(Period::Asleep, limits);
    EXPECT_EQ(asleep.sysHigh, 120);
    EXPECT_EQ(asleep.diaHigh, 70);
    EXPECT_EQ(ranges.Of(Period::Awake, limits).sysHigh, 135);
    EXPECT_EQ(ranges.Of(Period::Whole, limits).diaHigh, 85);

    const RangeBounds edited{90, 150, 55, 95, 50, 110};
    ranges.Set(Period::Awake, edited);
    limits.awakeSys = 145;  // a changed configuration moves only the sets nobody set
    EXPECT_EQ(ranges.Of(Period::Awake, limits), edited);
    EXPECT_EQ(ranges.Of(Period::Whole, limits).sysHigh, 145);
    EXPECT_EQ(ranges.Of(Period::Asleep, limits), asleep);

    // Each period has its own set: setting one leaves the others as they were.
    const RangeBounds night{80, 115, 50, 65, 45, 90};
    ranges.Set(Period::Asleep, night);
    EXPECT_EQ(ranges.Of(Period::Asleep, limits), night);
    EXPECT_EQ(ranges.Of(Period::Awake, limits), edited);

    ranges.Reset();
    EXPECT_EQ(ranges.Of(Period::Awake, limits), InitialRanges(Period::Awake, limits));
    EXPECT_EQ(ranges.Of(Period::Asleep, limits), asleep);
}

}  // namespace
}  // namespace vitalis
