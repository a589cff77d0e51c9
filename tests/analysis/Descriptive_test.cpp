#include "analysis/Descriptive.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace vitalis {
namespace {

TEST(Extremes, TiesResolveToTheLastPosition) {
    const std::vector<int> rising{120, 135, 135};
    EXPECT_EQ(IndexOfMax(rising), 2);
    EXPECT_EQ(IndexOfMin(rising), 0);
    const std::vector<int> flat{110, 110};
    EXPECT_EQ(IndexOfMin(flat), 1);
    EXPECT_EQ(IndexOfMax(flat), 1);
    const std::vector<int> dip{130, 100, 140, 100, 120};
    EXPECT_EQ(IndexOfMin(dip), 3);
    EXPECT_EQ(IndexOfMax(dip), 2);
    EXPECT_EQ(IndexOfMax(std::vector<int>{}), -1);
    EXPECT_EQ(IndexOfMin(std::vector<int>{}), -1);
}

TEST(Spread, IsThePopulationDeviation) {
    const std::vector<int> values{118, 120, 122};
    EXPECT_DOUBLE_EQ(StdDev(values), std::sqrt(8.0 / 3.0));
    EXPECT_DOUBLE_EQ(StdErr(values), std::sqrt(8.0 / 3.0) / std::sqrt(3.0));
    EXPECT_DOUBLE_EQ(Mean(values), 120.0);
}

TEST(Spread, SingleValueHasNoneAndEmptyIsMarked) {
    const std::vector<int> one{131};
    EXPECT_EQ(StdDev(one), 0.0);
    EXPECT_EQ(StdErr(one), 0.0);
    EXPECT_EQ(StdDev(std::vector<int>{}), -1.0);
    EXPECT_EQ(StdErr(std::vector<int>{}), -1.0);
    EXPECT_EQ(Mean(std::vector<int>{}), 0.0);
    EXPECT_EQ(SinglePrecisionMean(std::vector<int>{}), 0.0f);
}

TEST(Mean, SinglePrecisionIsRoundedOnceToFloat) {
    const std::vector<int> values{120, 121, 121};
    EXPECT_EQ(SinglePrecisionMean(values), 362.0f / 3.0f);
    EXPECT_NE(static_cast<double>(SinglePrecisionMean(values)), Mean(values));
}

}  // namespace
}  // namespace vitalis
