#include "analysis/RegressionLines.h"

#include <gtest/gtest.h>

namespace vitalis {
namespace {

void ExpectSegment(const std::optional<ValueSegment>& s, double x1, double y1, double x2,
                   double y2) {
    ASSERT_TRUE(s);
    EXPECT_NEAR(s->x1, x1, 1e-9);
    EXPECT_NEAR(s->y1, y1, 1e-9);
    EXPECT_NEAR(s->x2, x2, 1e-9);
    EXPECT_NEAR(s->y2, y2, 1e-9);
}

TEST(ClipToBox, KeepsInsidePartsAndDropsMisses) {
    const ValueBox box;
    ExpectSegment(ClipToBox({10, 10, 100, 50}, box), 10, 10, 100, 50);
    ExpectSegment(ClipToBox({-50, 0, 300, 0}, box), 0, 0, 250, 0);
    ExpectSegment(ClipToBox({0, -100, 250, 400}, box), 50, 0, 150, 200);
    EXPECT_FALSE(ClipToBox({260, 0, 300, 100}, box));
    EXPECT_FALSE(ClipToBox({0, 210, 250, 300}, box));
    ExpectSegment(ClipToBox({100, 100, 100, 100}, box), 100, 100, 100, 100);
}

TEST(RegressionLines, RunAcrossTheChartAndStopAtItsEdges) {
    CorrelationData data;
    data.diaOnSysSlope = 0.5;
    data.diaOnSysIntercept = 20;
    data.sysOnDiaSlope = 2;
    data.sysOnDiaIntercept = -40;
    ExpectSegment(DiaOnSysLine(data), 0, 20, 250, 145);
    // SYS = 2 DIA - 40 leaves the chart at SYS 250 (DIA 145) and enters at SYS 0 (DIA 20).
    ExpectSegment(SysOnDiaLine(data), 0, 20, 250, 145);
    data.diaOnSysSlope = 1.5;
    data.diaOnSysIntercept = 20;
    ExpectSegment(DiaOnSysLine(data), 0, 20, 120, 200);
}

TEST(RegressionLines, LinesThatCouldNotBeFittedAreNotDrawn) {
    const CorrelationData none;
    EXPECT_FALSE(DiaOnSysLine(none));
    EXPECT_FALSE(SysOnDiaLine(none));
    CorrelationData flat;
    flat.diaOnSysIntercept = 300;  // a fitted line entirely above the chart
    EXPECT_FALSE(DiaOnSysLine(flat));
    flat.diaOnSysIntercept = 80;
    ExpectSegment(DiaOnSysLine(flat), 0, 80, 250, 80);
}

}  // namespace
}  // namespace vitalis
