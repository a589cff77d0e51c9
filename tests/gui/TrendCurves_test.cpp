#include "views/TrendCurves.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>

#include "analysis/AnalysisOrder.h"
#include "analysis/TestReadings.h"
#include "case/CalendarTime.h"
#include "support/CaseFixtures.h"
#include "views/TrendGraphPainter.h"

namespace vitalis {
namespace {

void ExpectStroke(const ColumnStroke& stroke, double x, double top, double bottom) {
    EXPECT_DOUBLE_EQ(stroke.x, x);
    EXPECT_NEAR(stroke.top, top, 1e-9);
    EXPECT_NEAR(stroke.bottom, bottom, 1e-9);
}

TEST(ColumnStrokes, EachColumnReachesItsPointsAndWhereTheLineCrossesItsEdges) {
    const QPolygonF line({{10.2, 50}, {10.7, 80}, {11.3, 60}, {12.5, 40}});
    const std::vector<ColumnStroke> strokes = ColumnStrokes(line);
    ASSERT_EQ(strokes.size(), 3u);
    // 10.7 -> 11.3 crosses x = 11 at 70; 11.3 -> 12.5 crosses x = 12 at 48 1/3.
    ExpectStroke(strokes[0], 10, 50, 80);
    ExpectStroke(strokes[1], 11, 48.0 + 1.0 / 3.0, 70);
    ExpectStroke(strokes[2], 12, 40, 48.0 + 1.0 / 3.0);
}

TEST(ColumnStrokes, ALineThatSkipsAColumnOrHasOnePointKeepsItsPolyline) {
    EXPECT_TRUE(ColumnStrokes(QPolygonF({{10.5, 50}, {12.5, 60}})).empty());
    EXPECT_TRUE(ColumnStrokes(QPolygonF({{10.5, 50}})).empty());
    EXPECT_EQ(ColumnStrokes(QPolygonF({{10.5, 50}, {11.5, 60}})).size(), 2u);
}

TEST(TrendShading, ACrowdedLineIsShadedColumnByColumnFromEachSpansLevel) {
    CurveLine line;
    line.columns = {{10, 40, 60}, {11, 55, 70}, {12, 30, 45}};
    // Column 11's middle (11.5) lies in the second span.
    const std::vector<LimitSpan> spans = {{10.0, 11.2, 50.0}, {11.2, 13.0, 65.0}};
    Shading shading;
    AddShading(line, spans, shading);
    EXPECT_TRUE(shading.above.empty());
    EXPECT_TRUE(shading.below.empty());
    const std::vector<QRect> above = {{10, 40, 1, 10}, {11, 55, 1, 10}, {12, 30, 1, 35}};
    const std::vector<QRect> below = {{10, 50, 1, 10}, {11, 65, 1, 5}};
    EXPECT_EQ(shading.aboveBars, above);
    EXPECT_EQ(shading.belowBars, below);
}

// Readings every five minutes for a week: far more than the plot has pixel columns. SYS
// zigzags between 120 and 132 but for one reading of 190; DIA stays at 80.
Recording CrowdedWeek(int spikeAt) {
    Recording r;
    r.asleepStart = 22 * 60;
    r.awakeStart = 7 * 60;
    r.schedule.awake.interval = 15;
    r.schedule.asleep.interval = 30;
    const ClockTime begin{2026, 3, 2, 0, 0};
    for (int i = 0; i < 2016; ++i) {
        Measurement m = test::Reading(i == spikeAt ? 190 : 120 + (i % 7) * 2, 80);
        m.SetClock(AddMinutes(begin, 5 * i));
        m.index = r.measurementCount++;
        r.AddMeasurement(m);
    }
    return r;
}

struct CrowdedPage {
    static constexpr int kSpike = 1000;  // 3 days 11 h 20 min in: awake
    CrowdedPage() : recording(CrowdedWeek(kSpike)) {
        summary = RunViewAnalysis(recording, recording.analysis, Period::Whole, bounds).summary;
    }
    QImage Paint(TrendGraphPainter& trend) const {
        QImage image(kArea.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        trend.Paint(painter, kArea, {recording, summary, Period::Whole, limits, texts, bounds});
        return image;
    }
    int64_t MinuteOf(int reading) const {
        return MinutesOf(recording.allMeasurements()[static_cast<size_t>(reading)].Clock());
    }
    static inline const QRect kArea{0, 0, 800, 480};
    Recording recording;
    PeriodSummary summary;
    ThresholdSettings limits;
    RangeBounds bounds;
    test::KeyTexts texts;
};

bool Dark(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return c.red() < 90 && c.green() < 90 && c.blue() < 90;
}

TEST(TrendGraphPainter, ACrowdedWeekShowsEveryColumnAndItsHighestReading) {
    const CrowdedPage page;
    TrendGraphPainter trend([](const QString&) {});
    const QImage image = page.Paint(trend);
    const TrendLayout& layout = trend.layout();
    const auto yOf = [&](double value) {
        return static_cast<int>(
            ValueToY(trend.valueRange(), value, layout.plot.top(), layout.plot.bottom()));
    };
    // The DIA line is level: it still covers its row in every column, without a hole.
    const int first = static_cast<int>(layout.XOf(page.MinuteOf(0))) + 1;
    const int last = static_cast<int>(layout.XOf(page.MinuteOf(2015))) - 1;
    int holes = 0;
    for (int x = first; x <= last; ++x) {
        bool any = false;
        for (int y = yOf(80) - 2; y <= yOf(80) + 2; ++y) any = any || Dark(image, x, y);
        holes += !any;
    }
    EXPECT_EQ(holes, 0);
    // The one high reading shares its column with others and still shows: the line reaches it.
    const int spike = static_cast<int>(layout.XOf(page.MinuteOf(CrowdedPage::kSpike)));
    EXPECT_TRUE(Dark(image, spike, yOf(188)));
    EXPECT_FALSE(Dark(image, spike + 6, yOf(188)));
}

TEST(TrendGraphPainter, FourHoursOfACrowdedWeekGetADotAtEachReading) {
    const CrowdedPage page;
    TrendGraphPainter trend([](const QString&) {});
    const int64_t from = page.MinuteOf(CrowdedPage::kSpike - 24);
    trend.SetWindow(TimeWindow{from, from + 240});
    const QImage image = page.Paint(trend);
    const TrendLayout& layout = trend.layout();
    const QPointF dia(layout.XOf(page.MinuteOf(CrowdedPage::kSpike - 12)),
                      ValueToY(trend.valueRange(), 80, layout.plot.top(), layout.plot.bottom()));
    int blue = 0;
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const QColor c = image.pixelColor((dia + QPointF(dx, dy)).toPoint());
            blue += c.blue() > 150 && c.red() < 120;
        }
    }
    EXPECT_GT(blue, 4);
}

}  // namespace
}  // namespace vitalis
