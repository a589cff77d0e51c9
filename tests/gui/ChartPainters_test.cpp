#include <gtest/gtest.h>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include "analysis/AnalysisOrder.h"
#include "analysis/RegressionLines.h"
#include "analysis/TestReadings.h"
#include "analysis/TrendScale.h"
#include "support/CaseFixtures.h"
#include "views/ChartPages.h"
#include "views/ChartStyle.h"
#include "views/CorrelationPainter.h"
#include "views/PiePanelPainter.h"
#include "views/TrendDrawing.h"
#include "views/TrendLayout.h"
#include "views/TrendLegend.h"

namespace vitalis {
namespace {

using test::Reading;
using test::RecordingOf;

const QRect kArea(0, 0, 800, 480);
const QColor kBackground(199, 237, 204);

// Paints one page into an image of kArea at screen resolution.
class Canvas {
  public:
    Canvas() : image(kArea.size(), QImage::Format_RGB32) { image.fill(kBackground); }
    void Paint(PagePainter& page, const PageContext& context) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);  // as the view paints
        page.Paint(painter, kArea, context);
    }
    // Pixels near `p` whose colour leans clearly toward `channel` (0 red, 2 blue).
    int Leaning(QPointF p, int channel) const {
        int n = 0;
        const QRect r = QRectF(p - QPointF(3, 3), QSizeF(7, 7)).toAlignedRect();
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                const int values[3] = {c.red(), c.green(), c.blue()};
                const int others = values[(channel + 1) % 3] + values[(channel + 2) % 3];
                n += values[channel] > 150 && others < 240;
            }
        }
        return n;
    }
    // Mid-grey pixels, anti-aliased edges included.
    int Greyish(const QRectF& within) const {
        int n = 0;
        const QRect r = within.toAlignedRect().intersected(image.rect());
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                n += c.red() > 90 && c.red() < 200 && std::abs(c.red() - c.green()) < 16 &&
                     std::abs(c.green() - c.blue()) < 16;
            }
        }
        return n;
    }
    QColor At(QPointF p) const { return image.pixelColor(p.toPoint()); }
    int Count(const QColor& colour, const QRectF& within) const {
        int n = 0;
        const QRect r = within.toAlignedRect().intersected(image.rect());
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) n += image.pixelColor(x, y) == colour;
        }
        return n;
    }
    QImage image;
};

struct Page {
    explicit Page(Recording r) : recording(std::move(r)) {
        summary = RunViewAnalysis(recording, recording.analysis, Period::Whole, bounds).summary;
    }
    PageContext Context() const {
        return {recording, summary, Period::Whole, limits, texts, bounds};
    }
    Recording recording;
    PeriodSummary summary;
    ThresholdSettings limits;
    RangeBounds bounds;
    test::KeyTexts texts;
};

std::vector<QString> reports;
PaintFailureReport Recorded() {
    return [](const QString& text) { reports.push_back(text); };
}

// Awake readings from 10:00 to 11:00: SYS far above its 140 threshold, DIA below its 90.
Page HighSystolicMorning() {
    return Page(RecordingOf({Reading(170, 70, 10, 0), Reading(172, 72, 10, 20),
                             Reading(170, 70, 10, 40), Reading(174, 71, 11, 0)}));
}

QPointF TrendPoint(const Page& page, int64_t minute, double value) {
    const std::vector<TrendRow> rows = BuildTrendRows(page.recording);
    const TrendLayout layout = LayOutTrend(kArea, 1.0, rows);
    const ValueRange range = *TrendValueRange(rows, page.limits);
    return {layout.XOf(minute), ValueToY(range, value, layout.plot.top(), layout.plot.bottom())};
}

TEST(TrendGraphPainter, ShadesRedAboveAndGreenBelowTheThresholds) {
    Page page = HighSystolicMorning();
    TrendGraphPainter trend(Recorded());
    Canvas canvas;
    canvas.Paint(trend, page.Context());
    const int64_t half = MinutesOf({2026, 3, 1, 10, 30});
    EXPECT_EQ(canvas.At(TrendPoint(page, half, 155)), chart::kAboveRed);
    EXPECT_EQ(canvas.At(TrendPoint(page, half, 80)), chart::kBelowGreen);
    EXPECT_EQ(canvas.At(TrendPoint(page, half, 115)), QColor(Qt::white));  // between the limits
    EXPECT_EQ(canvas.At(TrendPoint(page, half, 177)), QColor(Qt::white));  // above the curve
    // The yellow threshold line runs on at 140.
    const QPoint limit = TrendPoint(page, half, 140).toPoint();
    int yellow = 0;
    for (int dy = -2; dy <= 2; ++dy) {
        const QColor c = canvas.image.pixelColor(limit + QPoint(0, dy));
        yellow += c.red() > 200 && c.green() > 200 && c.blue() < 100;
    }
    EXPECT_GT(yellow, 0);
}

TEST(TrendGraphPainter, AsleepReadingsMeetTheAsleepThresholds) {
    // SYS 130 is below the awake 140 but above the asleep 120.
    Page page(
        RecordingOf({Reading(130, 75, 1, 0), Reading(130, 75, 1, 30), Reading(130, 75, 2, 0)}));
    TrendGraphPainter trend(Recorded());
    Canvas canvas;
    canvas.Paint(trend, page.Context());
    EXPECT_EQ(canvas.At(TrendPoint(page, MinutesOf({2026, 3, 1, 1, 15}), 125)), chart::kAboveRed);
    EXPECT_EQ(canvas.At(TrendPoint(page, MinutesOf({2026, 3, 1, 1, 15}), 78)), chart::kBelowGreen);
}

TEST(TrendGraphPainter, FindsTheReadingWithinReachAndDrawsExcludedOnesGrey) {
    Page page = HighSystolicMorning();
    TrendGraphPainter trend(Recorded());
    Canvas before;
    before.Paint(trend, page.Context());
    const QPointF second = TrendPoint(page, MinutesOf({2026, 3, 1, 10, 20}), 120);
    EXPECT_FALSE(trend.ReadingAt(QPoint(5, 5)));  // outside the plot
    EXPECT_EQ(trend.ReadingAt((second + QPointF(8, 0)).toPoint()), 1);
    // The painter leaves the readings alone: a click is the view's to turn into a request.
    EXPECT_FALSE(trend.Click(second.toPoint(), kArea, page.recording));
    EXPECT_EQ(page.recording.allMeasurements()[1].valid, 1);

    page.recording.editableMeasurements()[1].valid = 0;
    page.recording.RebuildValidMeasurements();
    Canvas after;
    after.Paint(trend, page.Context());
    const QPointF sys = TrendPoint(page, MinutesOf({2026, 3, 1, 10, 20}), 172);
    // Its blue dot gives way to grey crosses: still there, but plainly not counted.
    EXPECT_GT(before.Leaning(sys, 2), 0);
    EXPECT_EQ(after.Leaning(sys, 2), 0);
    EXPECT_GT(after.Greyish(QRectF(sys - QPointF(4, 4), QSizeF(9, 9))), 3);
}

TEST(TrendGraphPainter, TheBoxFollowsThePointer) {
    Page page = HighSystolicMorning();
    TrendGraphPainter trend(Recorded());
    Canvas plain;
    plain.Paint(trend, page.Context());
    EXPECT_LT(plain.Count(chart::kInfoBoxGrey, kArea), 50);  // a few anti-aliased edges
    const QPointF third = TrendPoint(page, MinutesOf({2026, 3, 1, 10, 40}), 120);
    EXPECT_TRUE(trend.Hover(third.toPoint(), kArea, page.Context()));
    EXPECT_FALSE(trend.Hover(third.toPoint() + QPoint(1, 0), kArea, page.Context()));
    EXPECT_EQ(trend.hoveredPosition(), 2);
    Canvas boxed;
    boxed.Paint(trend, page.Context());
    EXPECT_GT(boxed.Count(chart::kInfoBoxGrey, kArea), 2000);
    EXPECT_TRUE(trend.Hover(QPoint(2, 2), kArea, page.Context()));
    EXPECT_FALSE(trend.hoveredPosition());
}

TEST(TrendGraphPainter, KeepsTheLastRangeWhenReadingsLeaveTheScale) {
    Page page = HighSystolicMorning();
    TrendGraphPainter trend(Recorded());
    Canvas canvas;
    canvas.Paint(trend, page.Context());
    const ValueRange drawn = trend.valueRange();
    Page wild(RecordingOf({Reading(320, 90, 10, 0), Reading(150, 90, 10, 30)}));
    canvas.Paint(trend, wild.Context());
    EXPECT_EQ(trend.valueRange(), drawn);
    EXPECT_TRUE(reports.empty());
}

// Dark pixels of a curve in the column at `x` over the plot.
int DarkInColumn(const Canvas& canvas, double x, const QRectF& plot) {
    int n = 0;
    for (int y = static_cast<int>(plot.top()) + 2; y < static_cast<int>(plot.bottom()) - 2; ++y) {
        const QColor c = canvas.image.pixelColor(static_cast<int>(x), y);
        n += c.red() < 90 && c.green() < 90 && c.blue() < 90;
    }
    return n;
}

TEST(TrendGraphPainter, AFourHourGapLeavesCurveAndShadingBroken) {
    Page page(
        RecordingOf({Reading(170, 70, 10, 0), Reading(172, 72, 10, 15), Reading(170, 70, 10, 30),
                     Reading(171, 70, 14, 30), Reading(173, 71, 14, 45), Reading(170, 70, 15, 0)}));
    page.recording.schedule.awake.interval = 15;
    TrendGraphPainter trend(Recorded());
    Canvas canvas;
    canvas.Paint(trend, page.Context());
    const QRectF plot = LayOutTrend(kArea, 1.0, BuildTrendRows(page.recording)).plot;
    const QPointF inGap = TrendPoint(page, MinutesOf({2026, 3, 1, 12, 30}), 155);
    EXPECT_NE(canvas.At(inGap), chart::kAboveRed);
    EXPECT_EQ(DarkInColumn(canvas, inGap.x(), plot), 0);
    // On either side the curves and their shading are there.
    const QPointF before = TrendPoint(page, MinutesOf({2026, 3, 1, 10, 20}), 155);
    EXPECT_EQ(canvas.At(before), chart::kAboveRed);
    EXPECT_GT(DarkInColumn(canvas, before.x(), plot), 0);
    EXPECT_EQ(canvas.At(TrendPoint(page, MinutesOf({2026, 3, 1, 14, 40}), 155)), chart::kAboveRed);
}

TEST(TrendGraphPainter, AFailedReadingGetsAMarkOnTheTimeAxisAndATooltip) {
    Measurement failed = Reading(0, 0, 10, 30);
    failed.status = 6;
    Page page(RecordingOf({Reading(120, 80, 10, 0), failed, Reading(122, 81, 11, 0)}));
    TrendGraphPainter trend(Recorded());
    Canvas canvas;
    canvas.Paint(trend, page.Context());
    const TrendLayout layout = LayOutTrend(kArea, 1.0, BuildTrendRows(page.recording));
    const QPointF mark(layout.XOf(MinutesOf({2026, 3, 1, 10, 30})), layout.plot.bottom() - 3);
    EXPECT_GT(canvas.Leaning(mark, 0), 3);
    const QPointF elsewhere(layout.XOf(MinutesOf({2026, 3, 1, 10, 45})), layout.plot.bottom() - 3);
    EXPECT_EQ(canvas.Leaning(elsewhere, 0), 0);
    EXPECT_TRUE(trend.Hover(mark.toPoint(), kArea, page.Context()));
    EXPECT_EQ(trend.hoveredFailure(), 1);
    EXPECT_FALSE(trend.hoveredPosition());
    Canvas boxed;
    boxed.Paint(trend, page.Context());
    EXPECT_GT(boxed.Count(chart::kInfoBoxGrey, kArea), 500);
}

TEST(TrendGraphPainter, TheNightBandCoversTheAsleepHours) {
    Page page(
        RecordingOf({Reading(120, 80, 21, 0), Reading(121, 80, 21, 30), Reading(118, 78, 22, 0),
                     Reading(117, 76, 22, 30), Reading(116, 75, 23, 0), Reading(115, 75, 23, 30)}));
    TrendGraphPainter trend(Recorded());
    Canvas canvas;
    canvas.Paint(trend, page.Context());
    // Below the DIA curve and its threshold line and above the pulse, where only the
    // background shows.
    const QPointF asleep = TrendPoint(page, MinutesOf({2026, 3, 1, 22, 45}), 73);
    const QPointF awake = TrendPoint(page, MinutesOf({2026, 3, 1, 21, 15}), 73);
    EXPECT_EQ(canvas.At(asleep), TrendGraphPainter::kNightBand);
    EXPECT_EQ(canvas.At(awake), QColor(Qt::white));
}

bool Overlap(const std::vector<trend::AxisLabel>& labels) {
    for (size_t i = 0; i < labels.size(); ++i) {
        for (size_t k = i + 1; k < labels.size(); ++k) {
            if (labels[i].box.intersects(labels[k].box)) return true;
        }
    }
    return false;
}

TEST(TrendTimeAxis, LabelsOfThreeDaysNeverOverlapAndDateEachMidnight) {
    std::vector<TrendRow> rows(2);
    rows[0].minute = MinutesOf({2026, 3, 1, 9, 0});
    rows[1].minute = MinutesOf({2026, 3, 4, 9, 0});
    for (const QRect area :
         {QRect(0, 0, 1920, 1080), QRect(0, 0, 900, 500), QRect(0, 0, 640, 400)}) {
        const TrendLayout layout = LayOutTrend(area, 1.0, rows);
        // Also with text wider than the layout planned for, as a printer's font may set it:
        // then only the placing keeps labels apart.
        for (const double scale : {1.0, 2.5}) {
            const QFontMetricsF metrics(ChartFont(scale * layout.textPixels));
            const std::vector<trend::AxisLabel> labels = trend::TimeAxisLabels(layout, metrics);
            EXPECT_FALSE(Overlap(labels)) << area.width() << " x" << scale;
            int dates = 0;
            for (const trend::AxisLabel& label : labels) dates += label.text.count('-') == 2;
            EXPECT_GE(dates, 2) << area.width() << " x" << scale;
        }
    }
}

TEST(TrendGraphPainter, TheLegendNamesEveryPartInTheInterfaceLanguageAboveThePlot) {
    const test::KeyTexts texts;
    std::vector<QString> names;
    for (const trend::LegendEntry& entry : trend::TrendLegend(texts, TrendGraphPainter::kNightBand))
        names.push_back(entry.text);
    const std::vector<QString> expected{
        "Global Setting:IDS_TREND_LEGEND_SYS",       "Global Setting:IDS_TREND_LEGEND_DIA",
        "Global Setting:IDS_TREND_LEGEND_MAP",       "Global Setting:IDS_TREND_LEGEND_PULSE",
        "Global Setting:IDS_TREND_LEGEND_THRESHOLD", "Global Setting:IDS_TREND_LEGEND_NIGHT",
        "Global Setting:IDS_TREND_LEGEND_FAILED"};
    EXPECT_EQ(names, expected);

    // Drawn in the strip over the plot: the night patch among them, in the band's colour.
    struct Short final : TextSource {
        std::string Text(std::string_view, std::string_view) const override { return "Ab"; }
    } shortTexts;
    Page page = HighSystolicMorning();
    TrendGraphPainter trend(Recorded());
    Canvas canvas;
    canvas.Paint(
        trend, {page.recording, page.summary, Period::Whole, page.limits, shortTexts, page.bounds});
    const QRectF strip(kArea.left(), kArea.top(), kArea.width(), trend.layout().plot.top() - 1);
    EXPECT_GT(canvas.Count(TrendGraphPainter::kNightBand, strip), 20);
    EXPECT_TRUE(reports.empty());
}

TEST(TrendGraphPainter, ExtraTimeMarksAreDrawnInThePaintsLayout) {
    Page page = HighSystolicMorning();
    TrendGraphPainter trend(Recorded());
    const QColor mark(1, 2, 3);
    trend.SetTimeMarks([&](QPainter& painter, const TrendLayout& layout) {
        const double x = layout.XOf(MinutesOf({2026, 3, 1, 10, 30}));
        painter.fillRect(QRectF(x - 2, layout.plot.top(), 4, 10), mark);
    });
    Canvas canvas;
    canvas.Paint(trend, page.Context());
    EXPECT_GT(canvas.Count(mark, QRectF(kArea)), 20);
}

TEST(TrendGraphPainter, EmptyAndSingleReadingCasesShowNoEpochDate) {
    Page single(RecordingOf({Reading(120, 80, 10, 0)}));
    const TrendLayout layout = LayOutTrend(kArea, 1.0, BuildTrendRows(single.recording));
    for (const trend::AxisLabel& label :
         trend::TimeAxisLabels(layout, QFontMetricsF(ChartFont(layout.textPixels)))) {
        EXPECT_FALSE(label.text.startsWith(QStringLiteral("1970"))) << label.text.toStdString();
    }
    EXPECT_GT(layout.window.Span(), 0);
    TrendGraphPainter trend(Recorded());
    Canvas canvas;
    canvas.Paint(trend, single.Context());
    EXPECT_GT(canvas.Leaning(TrendPoint(single, MinutesOf({2026, 3, 1, 10, 0}), 120), 2), 0);

    // An empty case says so, and draws no time axis that would start at 1970.
    Page empty(Recording{});
    TrendGraphPainter none(Recorded());
    Canvas blank;
    blank.Paint(none, empty.Context());
    int dark = 0;
    for (int y = kArea.bottom() - 40; y <= kArea.bottom(); ++y) {
        for (int x = 0; x < kArea.width(); ++x) dark += blank.image.pixelColor(x, y).value() < 100;
    }
    EXPECT_EQ(dark, 0);  // nothing under the frame: no axis, no date
    EXPECT_GT(blank.Count(QColor(Qt::white), kArea), kArea.width() * kArea.height() / 2);
    EXPECT_TRUE(reports.empty());
}

TEST(PiePanelPainter, AnAllWithinPeriodIsOneFullGreenPie) {
    Page page(
        RecordingOf({Reading(120, 80, 10, 0), Reading(125, 82, 10, 30), Reading(130, 85, 11, 0)}));
    ASSERT_EQ(page.summary.sys.withinFraction, 1.0);
    PiePanelPainter pie(Recorded());
    Canvas canvas;
    canvas.Paint(pie, page.Context());
    const double t = ChartTextPixels(kArea, 1.0);
    const QRectF band(0, 0, kArea.width(), kArea.height() / 3.0);
    const QRectF top = PiePanelPainter::PieRect(band, 1.0, t);
    const QRectF inner = top.adjusted(top.width() * 0.2, top.height() * 0.2, -top.width() * 0.2,
                                      -top.height() * 0.2);
    const QColor green = chart::kPieBright[1];
    EXPECT_EQ(canvas.Count(green, inner), canvas.Count(canvas.At(inner.center()), inner));
    EXPECT_EQ(canvas.At(inner.center()), green);
    EXPECT_EQ(canvas.Count(chart::kPieBright[0], top), 0);
    EXPECT_EQ(canvas.Count(chart::kPieBright[2], top), 0);
    // The side below the top face, ten pixels deep, in the darker green.
    EXPECT_EQ(canvas.At(QPointF(top.center().x(), top.bottom() + 5)), chart::kPieDark[1]);
}

TEST(PiePanelPainter, SectorsRunClockwiseFromThreeOClock) {
    // SYS: one of four above 140, three within.
    Page page(RecordingOf({Reading(150, 80, 10, 0), Reading(120, 80, 10, 30),
                           Reading(125, 80, 11, 0), Reading(130, 80, 11, 30)}));
    ASSERT_EQ(page.summary.sys.aboveFraction, 0.25);
    PiePanelPainter pie(Recorded());
    Canvas canvas;
    canvas.Paint(pie, page.Context());
    const QRectF top = PiePanelPainter::PieRect(QRectF(0, 0, kArea.width(), kArea.height() / 3.0),
                                                1.0, ChartTextPixels(kArea, 1.0));
    const QPointF quarter(top.width() / 5, top.height() / 5);
    EXPECT_EQ(canvas.At(top.center() + quarter), chart::kPieBright[0]);  // lower right: above
    EXPECT_EQ(canvas.At(top.center() - quarter), chart::kPieBright[1]);  // upper left: within
}

TEST(CorrelationPainter, PointsByPeriodClippedToTheChartWithTheLines) {
    Page page(RecordingOf({Reading(120, 80, 10, 0), Reading(140, 90, 10, 30),
                           Reading(110, 70, 23, 0), Reading(260, 120, 11, 0)}));
    CorrelationPainter chart(Recorded());
    Canvas canvas;
    canvas.Paint(chart, page.Context());
    const QRectF plot = CorrelationPainter::PlotRect(kArea);
    EXPECT_NEAR(plot.left(), 56, 1e-9);
    EXPECT_NEAR(plot.top(), 43.2, 1e-9);
    const QPointF awake = CorrelationPainter::PointAt(plot, 120, 80);
    const QPointF asleep = CorrelationPainter::PointAt(plot, 110, 70);
    EXPECT_GT(canvas.Leaning(awake, 0), 0);
    EXPECT_EQ(canvas.Leaning(awake, 2), 0);
    EXPECT_GT(canvas.Leaning(asleep, 2), 0);
    EXPECT_EQ(canvas.Leaning(asleep, 0), 0);
    // SYS 260 lies right of the chart: nothing red out there.
    EXPECT_EQ(canvas.Leaning(CorrelationPainter::PointAt(plot, 260, 120), 0), 0);
    // The DIA-on-SYS line through the three awake and asleep points (r = 1 apart from the
    // clipped one) crosses the chart's left edge inside the plot, drawn in black.
    const auto line = DiaOnSysLine(page.recording.analysis.correlation);
    ASSERT_TRUE(line);
    const QPointF mid =
        CorrelationPainter::PointAt(plot, (line->x1 + line->x2) / 2, (line->y1 + line->y2) / 2);
    int dark = 0;
    for (int dy = -2; dy <= 2; ++dy)
        dark += canvas.image.pixelColor(mid.toPoint() + QPoint(0, dy)).lightness() < 100;
    EXPECT_GT(dark, 0);
}

TEST(HistogramPainter, BarsRiseToTheirShareOfTheChart) {
    Page page(RecordingOf({Reading(125, 85, 10, 0), Reading(128, 85, 10, 30)}));
    ASSERT_EQ(page.recording.analysis.histograms.sys[4], 1.0);  // (120,130]
    auto bars = MakeChartPainter(PageKind::Histogram, Recorded());
    Canvas canvas;
    canvas.Paint(*bars, page.Context());
    const QColor fill(70, 130, 180);
    // The SYS band's full bar stands in the fifth of fourteen slots, from the bottom of its
    // plot nearly to the top; the slots before it are empty.
    const QRectF sysBand(0, 0, kArea.width(), kArea.height() / 3.0);
    EXPECT_GT(canvas.Count(fill, sysBand), 2000);
    EXPECT_EQ(canvas.Count(fill, QRectF(0, 0, kArea.width() / 4.0, sysBand.height())), 0);
    // DIA (80,90] holds both readings too; PR 70 lies in (60,70], the third bin.
    const QRectF prBand(0, 2 * sysBand.height(), kArea.width() / 4.0, sysBand.height());
    EXPECT_GT(canvas.Count(fill, prBand), 1000);
}

// A page that fails while it paints.
class FailingPage final : public ChartPainter {
  public:
    using ChartPainter::ChartPainter;
    bool fail = true;

  protected:
    void Draw(QPainter& painter, const QRect&, const PageContext&) override {
        painter.setPen(Qt::red);  // left changed: the caller's painter must come back unchanged
        if (fail) throw std::runtime_error("broken");
    }
};

TEST(ChartPainter, FailuresAreReportedOncePerRunAndNeverEscape) {
    reports.clear();
    Page page = HighSystolicMorning();
    FailingPage failing("Piegram in Repaint", Recorded());
    QImage image(kArea.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setPen(Qt::blue);
    EXPECT_NO_THROW(failing.Paint(painter, kArea, page.Context()));
    EXPECT_NO_THROW(failing.Paint(painter, kArea, page.Context()));
    EXPECT_EQ(painter.pen().color(), QColor(Qt::blue));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], QStringLiteral("Global Setting:IDS_SYS_ERROR Piegram in Repaint"));
    failing.fail = false;
    failing.Paint(painter, kArea, page.Context());
    failing.fail = true;
    failing.Paint(painter, kArea, page.Context());
    EXPECT_EQ(reports.size(), 2u);
    reports.clear();
}

TEST(ChartPages, EveryPageKindHasAPainterThatDrawsAnEmptyRecording) {
    PageController controller;
    InstallChartPages(controller, Recorded());
    Page empty(Recording{});
    for (const PageKind kind :
         {PageKind::Trend, PageKind::Histogram, PageKind::Pie, PageKind::Correlation}) {
        EXPECT_TRUE(controller.HasPage(kind));
        controller.SetKind(kind);
        QImage image(kArea.size(), QImage::Format_RGB32);
        image.fill(kBackground);
        QPainter painter(&image);
        controller.Draw(painter, kArea, empty.Context());
    }
    EXPECT_TRUE(reports.empty());
}

}  // namespace
}  // namespace vitalis
