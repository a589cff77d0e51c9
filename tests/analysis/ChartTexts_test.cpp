#include "analysis/ChartTexts.h"

#include <gtest/gtest.h>

#include "analysis/Histograms.h"
#include "support/CaseFixtures.h"

namespace vitalis {
namespace {

TrendRow Row() {
    TrendRow row;
    row.number = 12;
    row.clock = {2026, 3, 1, 7, 5};
    row.sys = 128;
    row.dia = 84;
    row.pr = 66;
    row.map = 99;
    row.comment = "after a walk";
    row.valid = true;
    return row;
}

TEST(InfoBox, SevenLinesWithTheMapForACountingReadingAndTheExcludedLineOtherwise) {
    const test::KeyTexts texts;
    const std::vector<LabelledValue> lines = InfoBoxLines(Row(), texts);
    const std::vector<LabelledValue> expected{
        {"Menu Setting:IDS_NUM", "12"},
        {"Menu Setting:IDS_DATE", "01-03-2026"},
        {"Message Setting:IDS_TIMES", "07:05"},
        {"Menu Setting:IDS_HP_COMPRESS", " 128/ 84"},
        {"Global Setting:IDS_TREND_LEGEND_MAP", " 99"},
        {"Menu Setting:IDS_HEART_RATE_TREND", " 66"},
        {"Menu Setting:IDS_COMMENTS", "after a walk"},
    };
    EXPECT_EQ(lines, expected);

    TrendRow excluded = Row();
    excluded.valid = false;
    const std::vector<LabelledValue> more = InfoBoxLines(excluded, texts);
    ASSERT_EQ(more.size(), 8u);
    EXPECT_EQ(more.back().Joined(), "Menu Setting:IDS_EXCLUDED");
    EXPECT_EQ(more[0].Joined(), "Menu Setting:IDS_NUM 12");
}

TEST(StatisticsText, ExtremesWithTheirTimesAndTheTruncatedMean) {
    const test::KeyTexts texts;
    SummaryBlock block;
    block.maxValue = 182;
    block.maxHour = 14;
    block.maxMinute = 5;
    block.minValue = 96;
    block.minHour = 3;
    block.minMinute = 30;
    block.mean = 131.9f;
    EXPECT_EQ(StatisticsLines(block, Parameter::Sys, texts),
              (std::vector<std::string>{"Global Setting:IDS_MAX_VALUES 182 [mmHg] (14:05)",
                                        "Global Setting:IDS_LOW_VALUES 96 [mmHg] (03:30)",
                                        "Global Setting:IDS_AVR_VALUES 131 [mmHg]"}));
    EXPECT_EQ(StatisticsLines(block, Parameter::Pr, texts)[0],
              "Global Setting:IDS_MAX_VALUES 182 [Menu Setting:IDS_HEART_RATE] (14:05)");
    // An empty period: captions alone.
    EXPECT_EQ(
        StatisticsLines({}, Parameter::Dia, texts),
        (std::vector<std::string>{"Global Setting:IDS_MAX_VALUES", "Global Setting:IDS_LOW_VALUES",
                                  "Global Setting:IDS_AVR_VALUES"}));
    block.mean = 0.9f;
    EXPECT_EQ(StatisticsLines(block, Parameter::Sys, texts)[2], "Global Setting:IDS_AVR_VALUES");
}

TEST(ChartCaptions, ParametersPercentagesLegendsAndBins) {
    const test::KeyTexts texts;
    EXPECT_EQ(ParameterCaption(Parameter::Sys, texts), "Global Setting:IDS_HP (mmHg)");
    EXPECT_EQ(ParameterCaption(Parameter::Dia, texts), "Global Setting:IDS_LOW_PRESSURE (mmHg)");
    EXPECT_EQ(ParameterCaption(Parameter::Pr, texts),
              "Global Setting:IDS_PLUSE_RATE (Menu Setting:IDS_HEART_RATE)");
    EXPECT_EQ(PercentText(0.125), "12.5%");
    EXPECT_EQ(PercentText(1.0), "100.0%");
    EXPECT_EQ(PercentText(0.0), "0.0%");
    const RangeLegend legend = RangeLegendTexts(100, 140);
    // The bins of the analysis: at or below low, above low up to high, above high.
    EXPECT_EQ(legend.above, ">140");
    EXPECT_EQ(legend.within, "101-140");
    EXPECT_EQ(legend.below, "\u2264100");
    const std::vector<std::string> bins = BinLabels(kSysBinEdges);
    ASSERT_EQ(bins.size(), 14u);
    EXPECT_EQ(bins.front(), "\u226490");
    EXPECT_EQ(bins[1], "91-100");
    EXPECT_EQ(bins.back(), ">210");
    EXPECT_EQ(BinLabels(kDiaBinEdges).size(), 15u);
}

TEST(CorrelationText, FormatsTheFitAsWritten) {
    const test::KeyTexts texts;
    CorrelationData data;
    data.diaOnSysSlope = 0.5;
    data.diaOnSysIntercept = 20;
    data.sysOnDiaSlope = 2;
    data.sysOnDiaIntercept = -40;
    data.centreSys = 130;
    data.centreDia = 85;
    data.r = 0.5;
    const std::vector<LabelledValue> lines = CorrelationLines(data, texts);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].Joined(), "ZuzodIriz:IDS_DIA_DEPEND y = f(x): y = 0.50x + 20.00");
    EXPECT_EQ(lines[1].value, "x = f(y): x = 2.00y + -40.00");
    EXPECT_EQ(lines[2].value, "(130, 85)");
    EXPECT_EQ(lines[3].value, "r=0.500000  r*r=0.250000");
}

}  // namespace
}  // namespace vitalis
