// Trend graph speed: one full paint of the trend page into a 1920 x 1080 image for recordings
// of a day, three days, a week and 10,000 readings, and what one pointer move over the graph
// costs with the box of the reading under it. Goals: 4, 6, 8 and 16 ms; a move 2 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cmath>

#include "analysis/AnalysisOrder.h"
#include "case/CalendarTime.h"
#include "views/ChartPages.h"

namespace {

using namespace vitalis;

const QRect kArea(0, 0, 1920, 1080);

// Texts as long as real captions, without a language file.
class KeyNames final : public TextSource {
  public:
    std::string Text(std::string_view, std::string_view key) const override {
        return std::string(key);
    }
};

// Readings every 15 minutes awake and every 30 asleep (22:00 to 07:00), pressures following
// the day with some scatter, now and then a failed or an excluded one.
Recording RecordingOf(int readings) {
    Recording r;
    r.asleepStart = 22 * 60;
    r.awakeStart = 7 * 60;
    r.schedule.awake.interval = 15;
    r.schedule.asleep.interval = 30;
    const ClockTime begin{2026, 3, 1, 9, 0};
    r.testBegin = begin;
    int offset = 0;
    for (int i = 0; i < readings; ++i) {
        const ClockTime clock = AddMinutes(begin, offset);
        const int minuteOfDay = clock.hour * 60 + clock.minute;
        const bool asleep = minuteOfDay >= r.asleepStart || minuteOfDay < r.awakeStart;
        const double day = std::sin(minuteOfDay / 1440.0 * 6.2832);
        Measurement m;
        m.index = i;
        m.offsetMinutes = offset;
        m.SetClock(clock);
        m.sys = 128 + static_cast<int>(18 * day) + (i * 37) % 23 - 11;
        m.dia = 80 + static_cast<int>(10 * day) + (i * 23) % 15 - 7;
        m.map = m.dia + (m.sys - m.dia) / 3 + 1;
        m.pr = 72 + (i * 13) % 20 - 10;
        m.status = i % 41 == 7 ? 6 : 0;
        m.valid = (m.status == 0 && i % 53 != 5) ? 1 : 0;
        r.AddMeasurement(m);
        offset += asleep ? 30 : 15;
    }
    r.measurementCount = readings;
    r.recordingEnd = AddMinutes(begin, offset);
    return r;
}

int ReadingsOver(int hours) {
    // 15 hours awake at four an hour, 9 asleep at two an hour.
    return hours / 24 * 78 + (hours % 24) * 4;
}

struct TrendPage {
    explicit TrendPage(int readings) : recording(RecordingOf(readings)) {
        summary = RunViewAnalysis(recording, recording.analysis, Period::Whole, bounds).summary;
    }
    PageContext Context() const {
        return {recording, summary, Period::Whole, limits, texts, bounds};
    }
    Recording recording;
    PeriodSummary summary;
    ThresholdSettings limits;
    RangeBounds bounds;
    KeyNames texts;
};

void Paint(PagePainter& painter, const PageContext& context, QImage& image) {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);  // as the view paints
    painter.Paint(p, kArea, context);
}

void PaintTrend(benchmark::State& state, int readings) {
    const TrendPage page(readings);
    QImage image(kArea.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        // A fresh painter, as after new readings: nothing of an earlier paint is reused.
        const auto painter = MakeChartPainter(PageKind::Trend, {});
        image.fill(Qt::white);
        Paint(*painter, page.Context(), image);
        benchmark::ClobberMemory();
    }
    state.counters["readings"] = readings;
}

void BM_TrendPaint24h(benchmark::State& state) {
    PaintTrend(state, ReadingsOver(24));
}
void BM_TrendPaint72h(benchmark::State& state) {
    PaintTrend(state, ReadingsOver(72));
}
void BM_TrendPaint7Days(benchmark::State& state) {
    PaintTrend(state, ReadingsOver(168));
}
void BM_TrendPaint10000(benchmark::State& state) {
    PaintTrend(state, 10000);
}

// The pointer moves back and forth between two readings of a 72 h recording; each move
// changes the reading under it, so every move is followed by a repaint, as in the view.
void BM_TrendHover(benchmark::State& state) {
    const TrendPage page(ReadingsOver(72));
    const auto painter = MakeChartPainter(PageKind::Trend, {});
    QImage image(kArea.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    Paint(*painter, page.Context(), image);
    const int y = kArea.height() / 2;
    const QPoint points[2] = {QPoint(kArea.width() / 3, y), QPoint(kArea.width() / 3 + 200, y)};
    int moves = 0;
    for (auto _ : state) {
        const QPoint at = points[moves++ % 2];
        if (painter->Hover(at, kArea, page.Context())) Paint(*painter, page.Context(), image);
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_TrendPaint24h)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrendPaint72h)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrendPaint7Days)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrendPaint10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrendHover)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // Painting needs a GUI application; benchmarks run headless.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
