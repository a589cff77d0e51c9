#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>

#include <filesystem>

#include "ReportComposer.h"
#include "TrendPages.h"
#include "case/CalendarTime.h"
#include "shell/LanguageTable.h"
#include "shell/ReportExport.h"
#include "shell/ReportFiles.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"
#include "views/TrendStrips.h"

namespace vitalis {
namespace {

// The printed trend pages under the layout's graph options: their number per time scale,
// strips in place of curves, and the screen's window when printed as shown.
class TrendPrintTest : public ::testing::Test {
  protected:
    void SetUp() override {
        texts.ScanLanguages(texts.LanguageFolder());
        texts.SelectLanguageFile("English");
        ASSERT_TRUE(texts.LoadLanguage());
        recording.thresholdSource = &thresholds;
        // A week of readings every 15 minutes: 2026-03-01 08:00 to 2026-03-08 07:45.
        test::WriteSampleCase(casePath, {2026, 3, 1, 8, 0}, 96 * 7);
        recording.casePath = casePath;
        ASSERT_TRUE(recording.Load());
    }
    // A layout printing the colour trend (flag 4) and the bar trend (flag 5) as asked.
    static ReportLayout Trends(ReportGraphOptions graph, bool colour = true, bool bar = false) {
        ReportLayout layout;
        layout.pages[3] = colour ? 1 : 0;
        layout.pages[4] = bar ? 1 : 0;
        layout.graph = graph;
        return layout;
    }
    // The report's pages after the round trip through the hand-off folder.
    std::vector<report::ReportPage> Pages(const ReportLayout& layout,
                                          std::optional<TimeWindow> screen = std::nullopt) {
        const ReportWriteResult written = WriteReportFiles(
            folder.File("hand-off"), PrepareReportData(recording, layout, {}, screen));
        EXPECT_TRUE(written.ok);
        ReportReadResult read = ReadReportFiles(folder.File("hand-off"));
        EXPECT_TRUE(read.data) << read.error;
        composer = std::make_unique<report::ReportComposer>(std::move(*read.data), texts);
        return composer->Pages(kPrintable);
    }
    // Pixels of the strip colour on the first page, drawn as the printer would at 96 dpi.
    int StripPixels(const std::vector<report::ReportPage>& pages) {
        QImage image(kPrintable, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        pages.at(0).draw(p, QRect(0, 86, kPrintable.width(), kPrintable.height() - 130));
        p.end();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == trend::kStripBlue ? 1 : 0;
        return count;
    }
    static inline const QSize kPrintable{703, 1032};
    test::TempFolder folder;
    std::string casePath = folder.File("week.awp");
    ThresholdSettings thresholds;
    Recording recording;
    LanguageTable texts{std::string(VITALIS_SOURCE_DIR) + "/res"};
    std::unique_ptr<report::ReportComposer> composer;
};

TEST_F(TrendPrintTest, EachTimeScaleCutsTheWeekIntoPagesOfItsSpan) {
    for (const auto& [hours, pages] : {std::pair{12, 14u}, {24, 7u}, {48, 4u}, {72, 3u}, {0, 7u}}) {
        EXPECT_EQ(Pages(Trends({GraphType::Line, false, hours})).size(), pages) << hours;
        EXPECT_EQ(Pages(Trends({GraphType::Line, false, hours}, false, true)).size(), pages)
            << hours << " bar trend";
    }
    // Each page names its window: the 12 h pages start at 08:00 and 20:00.
    const auto pages = Pages(Trends({GraphType::Line, false, 12}));
    EXPECT_TRUE(pages.at(0).heading.endsWith(QStringLiteral("08:00 – 01-03-2026 20:00")))
        << pages.at(0).heading.toStdString();
    EXPECT_TRUE(pages.at(1).heading.contains(QStringLiteral("01-03-2026 20:00 – 02-03-2026 08:00")))
        << pages.at(1).heading.toStdString();
    // A day on the automatic scale stays one page without a window in its heading.
    test::WriteSampleCase(casePath, {2026, 3, 1, 8, 0}, 96);
    ASSERT_TRUE(recording.Load());
    const auto day = Pages(Trends({}));
    ASSERT_EQ(day.size(), 1u);
    EXPECT_EQ(day[0].heading, QStringLiteral("Colour trend graph"));
    EXPECT_EQ(Pages(Trends({GraphType::Line, false, 12})).size(), 2u);
}

TEST_F(TrendPrintTest, TheStripGraphDrawsAStripPerReadingAndTheLineGraphNone) {
    const int strips = StripPixels(Pages(Trends({GraphType::Strip, false, 24})));
    // 96 readings a day, each a strip a few pixels wide and some 40 mmHg high.
    EXPECT_GT(strips, 96 * 40);
    EXPECT_EQ(StripPixels(Pages(Trends({GraphType::Line, false, 24}))), 0);
    // Without the graph record the trend prints as it always did: curves.
    Pages(Trends({GraphType::Strip, false, 24}));
    std::filesystem::remove(folder.File("hand-off/Graph.rp"));
    ReportReadResult read = ReadReportFiles(folder.File("hand-off"));
    ASSERT_TRUE(read.data);
    const report::ReportComposer old(std::move(*read.data), texts);
    EXPECT_EQ(StripPixels(old.Pages(kPrintable)), 0);
    EXPECT_EQ(old.Pages(kPrintable).size(), 7u);
}

TEST_F(TrendPrintTest, PrintedAsShownTheTrendShowsTheScreensWindow) {
    const TimeWindow screen{MinutesOf({2026, 3, 3, 10, 0}), MinutesOf({2026, 3, 3, 16, 30})};
    auto pages = Pages(Trends({GraphType::Line, true, 0}, true, true), screen);
    ASSERT_EQ(pages.size(), 2u);  // the colour and the bar trend, one page each
    for (const report::ReportPage& page : pages)
        EXPECT_TRUE(page.heading.endsWith(QStringLiteral("03-03-2026 10:00 – 03-03-2026 16:30")))
            << page.heading.toStdString();
    // A fixed scale cuts the window into pages of its span, the last ending with the window.
    const TimeWindow longer{MinutesOf({2026, 3, 3, 10, 0}), MinutesOf({2026, 3, 4, 16, 0})};
    pages = Pages(Trends({GraphType::Line, true, 12}), longer);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_TRUE(pages[2].heading.endsWith(QStringLiteral("04-03-2026 10:00 – 04-03-2026 16:00")))
        << pages[2].heading.toStdString();
    // Not ticked, the screen's zoom never reaches the print.
    EXPECT_EQ(Pages(Trends({GraphType::Line, false, 0}), screen).size(), 7u);
    EXPECT_FALSE(composer->data().graph->screenWindow);
    // Ticked without a screen (the command line), the whole recording prints.
    EXPECT_EQ(Pages(Trends({GraphType::Line, true, 0})).size(), 7u);
}

}  // namespace
}  // namespace vitalis
