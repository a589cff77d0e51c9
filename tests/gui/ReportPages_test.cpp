// The report's pages painted in-process onto a device that keeps what they print.
#include <gtest/gtest.h>
#include <QPaintDevice>
#include <QPaintEngine>

#include <algorithm>
#include <map>

#include "ReportComposer.h"
#include "ReportFormat.h"
#include "TrendPages.h"
#include "shell/LanguageTable.h"
#include "shell/ReportExport.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

// Every text drawn, with its size in points, on a page of the printer's 96 dots per inch.
struct PrintedText {
    QString text;
    double points = 0;
    QPointF at;  // the baseline's start; the pages draw untransformed
};

class TextEngine final : public QPaintEngine {
  public:
    std::vector<PrintedText> texts;
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        const QFont font = item.font();
        const double points =
            font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
        texts.push_back({item.text(), points, p});
    }
    Type type() const override { return QPaintEngine::User; }
};

class TextDevice final : public QPaintDevice {
  public:
    explicit TextDevice(QSize size) : size_(size) {}
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable TextEngine engine;

  protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
            case PdmWidth:
                return size_.width();
            case PdmHeight:
                return size_.height();
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return 96;
            case PdmWidthMM:
                return size_.width() * 254 / 960;
            case PdmHeightMM:
                return size_.height() * 254 / 960;
            case PdmDepth:
                return 32;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
            default:
                return QPaintDevice::metric(m);
        }
    }

  private:
    QSize size_;
};

// The layout with the pages of the given flag numbers (1 to 11), or every page.
ReportLayout Layout(std::initializer_list<size_t> numbers = {}) {
    ReportLayout layout;
    for (size_t n = 1; n <= 11; ++n)
        layout.pages[n - 1] = numbers.size() == 0 || std::ranges::count(numbers, n) ? 1 : 0;
    return layout;
}

class ReportPagesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        texts.ScanLanguages(texts.LanguageFolder());
        texts.SelectLanguageFile("English");
        ASSERT_TRUE(texts.LoadLanguage());
        recording.thresholdSource = &thresholds;
        test::WriteSampleCase(casePath, {2026, 3, 1, 8, 0}, 96);
        recording.casePath = casePath;
        ASSERT_TRUE(recording.Load());
    }
    // The texts of every page body of an A4 page less the margins, at 96 dots per inch.
    std::vector<PrintedText> Printed(const ReportLayout& layout = Layout()) {
        const report::ReportComposer composer(PrepareReportData(recording, layout), texts);
        const QSize printable(703, 1032);
        TextDevice device(printable);
        QPainter p(&device);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(9);
        p.setFont(font);
        for (const report::ReportPage& page : composer.Pages(printable)) {
            p.save();
            page.draw(p, QRect(0, 86, printable.width(), printable.height() - 130));
            p.restore();
        }
        p.end();
        return device.engine.texts;
    }
    test::TempFolder folder;
    std::string casePath = folder.File("case.awp");
    ThresholdSettings thresholds;
    Recording recording;
    LanguageTable texts{std::string(VITALIS_SOURCE_DIR) + "/res"};
};

TEST_F(ReportPagesTest, NoTextOnAnyPageIsSmallerThanEightPoints) {
    const std::vector<PrintedText> printed = Printed();
    ASSERT_GT(printed.size(), 300u);
    for (const PrintedText& t : printed) EXPECT_GE(t.points, 7.99) << t.text.toStdString();
}

// The sample day has at most 42 % of the readings in one bin: the scale ends at 50 %.
TEST_F(ReportPagesTest, TheHistogramScaleEndsAboveTheLargestBar) {
    std::vector<QString> scale;
    for (const PrintedText& t : Printed(Layout({6})))
        if (t.text.endsWith('%') && !t.text.contains('.')) scale.push_back(t.text);
    EXPECT_NE(std::ranges::find(scale, QStringLiteral("50%")), scale.end());
    EXPECT_EQ(std::ranges::find(scale, QStringLiteral("60%")), scale.end());
    EXPECT_EQ(std::ranges::find(scale, QStringLiteral("100%")), scale.end());
}

// A multi-day file has no awake or asleep readings: their histograms and pies say why instead
// of showing empty bars that read as measured zeros.
TEST_F(ReportPagesTest, PeriodsWithoutReadingsPrintTheReasonInsteadOfEmptyCharts) {
    test::WriteSampleCase(casePath, {2026, 3, 1, 8, 0}, 96 * 4);
    ASSERT_TRUE(recording.Load());
    ASSERT_TRUE(recording.multiDay);
    int reasons = 0;
    for (const PrintedText& t : Printed(Layout({6, 7})))
        reasons += t.text.startsWith(QStringLiteral("— (multi-day file")) ? 1 : 0;
    EXPECT_EQ(reasons, 4);  // awake and asleep, on the histogram and the pie pages
}

// Seven nights and sixty events, some notes long enough to wrap over lines, go on over as
// many pages as they need: every row printed once and inside the body of its page, the
// tables' caption rows repeated, the last event on the last page.
TEST_F(ReportPagesTest, ALongDiaryGoesOnOverPagesAndNothingIsCutOff) {
    for (int n = 0; n < 7; ++n)
        recording.diary.nights.push_back({{2026, 3, 1 + n}, 22 * 60 + 5 * n, 6 * 60 + 30});
    const QString longNote = QStringLiteral(
        " felt dizzy after climbing the stairs to the office,"
        " sat down for ten minutes and drank some water");
    for (int e = 0; e < 60; ++e) {
        const std::string note =
            QStringLiteral("note%1").arg(e, 2, 10, QLatin1Char('0')).toStdString() +
            (e % 3 == 0 ? longNote.toStdString() : std::string());
        recording.diary.events.push_back(
            {{2026, 3, 1 + e / 10, 8 + e % 10, 15}, DiaryEventKind::Symptom, note});
    }
    const report::ReportComposer composer(PrepareReportData(recording, Layout({1})), texts);
    const QSize printable(703, 1032);
    const QRect body(0, 86, printable.width(), printable.height() - 130);
    std::vector<std::vector<PrintedText>> diaryPages;
    for (const report::ReportPage& page : composer.Pages(printable)) {
        if (page.heading != QStringLiteral("Patient diary")) continue;
        TextDevice device(printable);
        QPainter p(&device);
        p.setFont(report::ReportFont());
        page.draw(p, body);
        p.end();
        diaryPages.push_back(device.engine.texts);
    }
    ASSERT_GE(diaryPages.size(), 3u);
    std::map<QString, int> printedNotes;
    for (size_t i = 0; i < diaryPages.size(); ++i) {
        int kindCaptions = 0;
        for (const PrintedText& t : diaryPages[i]) {
            EXPECT_LE(t.at.y(), body.bottom()) << "page " << i << ": " << t.text.toStdString();
            EXPECT_FALSE(t.text.contains(QStringLiteral("2026-03"))) << t.text.toStdString();
            if (t.text.startsWith(QStringLiteral("note"))) ++printedNotes[t.text.left(6)];
            kindCaptions += t.text == QStringLiteral("Kind") ? 1 : 0;
        }
        EXPECT_EQ(kindCaptions, 1) << "page " << i;  // every page holds events here
    }
    ASSERT_EQ(printedNotes.size(), 60u);
    for (const auto& [note, times] : printedNotes) EXPECT_EQ(times, 1) << note.toStdString();
    const auto last = std::ranges::find_if(diaryPages.back(), [](const PrintedText& t) {
        return t.text.startsWith(QStringLiteral("note59"));
    });
    EXPECT_NE(last, diaryPages.back().end());
    const auto evening = std::ranges::find_if(diaryPages.front(), [](const PrintedText& t) {
        return t.text == QStringLiteral("07-03-2026");
    });
    EXPECT_NE(evening, diaryPages.front().end());  // the nights' dates in the workstation's form
}

}  // namespace
}  // namespace vitalis
