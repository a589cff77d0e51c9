#include "views/TrendDiaryMarkers.h"

#include <gtest/gtest.h>
#include <QImage>

#include "analysis/AnalysisOrder.h"
#include "analysis/TestReadings.h"
#include "support/CaseFixtures.h"
#include "views/TrendGraphPainter.h"

namespace vitalis {
namespace {

using test::Reading;

const QRect kArea(0, 0, 800, 480);

int BluePixelsAround(const QImage& image, QPointF centre) {
    int n = 0;
    for (int y = -3; y <= 3; ++y) {
        for (int x = -3; x <= 3; ++x) {
            n += image.pixelColor((centre + QPointF(x, y)).toPoint()) == kDiaryMarkerBlue;
        }
    }
    return n;
}

TEST(TrendDiaryMarkers, AnEventGetsAMarkerWithItsKindAndNoteAsTooltip) {
    Recording recording = test::RecordingOf({Reading(170, 70, 10, 0), Reading(172, 72, 10, 20),
                                             Reading(170, 70, 10, 40), Reading(174, 71, 11, 0)});
    ThresholdSettings limits;
    RangeBounds bounds;
    const test::KeyTexts texts;
    const PeriodSummary summary =
        RunViewAnalysis(recording, recording.analysis, Period::Whole, bounds).summary;
    const PageContext context{recording, summary, Period::Whole, limits, texts, bounds};
    TrendGraphPainter trend([](const QString&) {});
    QImage image(kArea.size(), QImage::Format_RGB32);
    const auto paint = [&] {
        image.fill(Qt::white);
        QPainter painter(&image);
        trend.Paint(painter, kArea, context);
    };
    paint();
    paint();  // the second paint of the same state is kept as a layer
    const TrendLayout& layout = trend.layout();
    const QPointF at(layout.XOf(MinutesOf({2026, 3, 1, 10, 30})), layout.plot.bottom() - 12);
    EXPECT_EQ(BluePixelsAround(image, at), 0);

    recording.diary.events.push_back({{2026, 3, 1, 10, 30}, DiaryEventKind::Medication, "5 mg"});
    recording.diary.events.push_back({{2026, 3, 1, 10, 30}, DiaryEventKind::Symptom, ""});
    recording.diary.events.push_back({{2026, 3, 2, 10, 30}, DiaryEventKind::Other, "outside"});
    paint();  // the kept layer must not hide the new marker
    EXPECT_GT(BluePixelsAround(image, at), 10);
    EXPECT_EQ(DiaryMarkerTip(at.toPoint(), layout, recording, texts).toStdString(),
              "Diary Setting:IDS_DIARY_MEDICATION: 5 mg\nDiary Setting:IDS_DIARY_SYMPTOM");
    EXPECT_TRUE(
        DiaryMarkerTip((at + QPointF(0, -40)).toPoint(), layout, recording, texts).isEmpty());
}

}  // namespace
}  // namespace vitalis
