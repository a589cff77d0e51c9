#include "analysis/PieSectors.h"

#include <gtest/gtest.h>

namespace vitalis {
namespace {

TEST(PieSectors, FollowTheCumulativeShares) {
    const std::vector<PieSector> sectors = PieSectors({0.25, 0.5, 0.25});
    ASSERT_EQ(sectors.size(), 3u);
    EXPECT_EQ(sectors[0].share, PieShare::Above);
    EXPECT_DOUBLE_EQ(sectors[0].startDegrees, 0);
    EXPECT_DOUBLE_EQ(sectors[0].sweepDegrees, 90);
    EXPECT_DOUBLE_EQ(sectors[1].startDegrees, 90);
    EXPECT_DOUBLE_EQ(sectors[1].sweepDegrees, 180);
    EXPECT_DOUBLE_EQ(sectors[1].MiddleDegrees(), 180);
    EXPECT_DOUBLE_EQ(sectors[2].startDegrees, 270);
    EXPECT_EQ(sectors[2].share, PieShare::Below);
}

TEST(PieSectors, SkipZeroSharesSoOneShareIsAFullCircle) {
    const std::vector<PieSector> whole = PieSectors({0.0, 1.0, 0.0});
    ASSERT_EQ(whole.size(), 1u);
    EXPECT_EQ(whole[0].share, PieShare::Within);
    EXPECT_DOUBLE_EQ(whole[0].startDegrees, 0);
    EXPECT_DOUBLE_EQ(whole[0].sweepDegrees, 360);

    const std::vector<PieSector> two = PieSectors({0.4, 0.0, 0.6});
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[1].share, PieShare::Below);
    EXPECT_DOUBLE_EQ(two[1].startDegrees, 144);
    EXPECT_TRUE(PieSectors({0, 0, 0}).empty());  // a period without readings
    EXPECT_EQ(PieSectors({-0.1, 1.0, 0.0}).size(), 1u);
}

TEST(PieLabels, AlignByTheQuadrantOfTheMiddleAngle) {
    const LabelAlignment lowerRight = AlignmentForAngle(45);
    EXPECT_TRUE(lowerRight.alignLeft);
    EXPECT_TRUE(lowerRight.alignTop);
    const LabelAlignment lowerLeft = AlignmentForAngle(135);
    EXPECT_FALSE(lowerLeft.alignLeft);
    EXPECT_TRUE(lowerLeft.alignTop);
    const LabelAlignment upperLeft = AlignmentForAngle(225);
    EXPECT_FALSE(upperLeft.alignLeft);
    EXPECT_FALSE(upperLeft.alignTop);
    const LabelAlignment upperRight = AlignmentForAngle(315);
    EXPECT_TRUE(upperRight.alignLeft);
    EXPECT_FALSE(upperRight.alignTop);
    EXPECT_FALSE(AlignmentForAngle(-45).alignTop);  // same as 315
}

}  // namespace
}  // namespace vitalis
