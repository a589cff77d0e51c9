#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "analysis/TestReadings.h"
#include "shell/LanguageTable.h"
#include "views/ChartPages.h"

namespace vitalis {
namespace {

using test::Reading;
using test::RecordingOf;

const QRect kArea(0, 0, 900, 600);

// Red pixels (the mark of an elevated period) in the image.
int RedPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.red() > 150 && c.green() < 90 && c.blue() < 90;
        }
    }
    return n;
}

QImage PaintSummary(const Recording& recording, std::string_view guideline = "esh2023") {
    LanguageTable english(std::string(VITALIS_SOURCE_DIR) + "/res");
    english.ScanLanguages(english.LanguageFolder());
    english.SelectLanguageFile("English");
    english.LoadLanguage();
    PageController controller;
    InstallChartPages(controller, [](const QString&) {});
    EXPECT_TRUE(controller.HasPage(PageKind::Clinical));
    controller.SetKind(PageKind::Clinical);
    QImage image(kArea.size(), QImage::Format_RGB32);
    image.fill(Qt::gray);
    const PeriodSummary summary;
    const ThresholdSettings thresholds;
    PageContext context{recording, summary, Period::Whole, thresholds, english};
    context.guideline = guideline;
    QPainter painter(&image);
    controller.Draw(painter, kArea, context);
    return image;
}

TEST(ClinicalSummaryPage, ElevatedPeriodsAreMarkedInRed) {
    const QImage high = PaintSummary(RecordingOf({Reading(150, 95, 10), Reading(130, 80, 2)}));
    const QImage normal = PaintSummary(RecordingOf({Reading(118, 72, 10), Reading(100, 60, 2)}));
    EXPECT_GT(RedPixels(high), 100);
    if (const char* keep = std::getenv("VITALIS_KEEP_PAGE")) high.save(keep);
    EXPECT_EQ(RedPixels(normal), 0);
    // The page covers its area: nothing of the grey underneath is left in the middle.
    EXPECT_NE(normal.pixelColor(450, 300), QColor(Qt::gray));
}

TEST(ClinicalSummaryPage, AnEmptyRecordingPaintsWithoutFigures) {
    const QImage empty = PaintSummary(RecordingOf({}), "nice2019");
    EXPECT_EQ(RedPixels(empty), 0);
    EXPECT_EQ(empty.pixelColor(5, 5), QColor(Qt::white));
}

}  // namespace
}  // namespace vitalis
