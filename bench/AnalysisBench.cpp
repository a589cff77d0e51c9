// Analysis speed: the full analysis of a week-long recording of 10,000 readings, in both
// calling orders and for all three periods. Goal: under 5 ms.
#include <benchmark/benchmark.h>

#include "analysis/AnalysisOrder.h"
#include "analysis/Correlation.h"

namespace {

using namespace vitalis;

// 10,000 readings about a minute apart over seven days, asleep 22:00 to 07:00, with a failed
// and an excluded reading now and then.
Recording WeekRecording(bool multiDay) {
    Recording r;
    r.asleepStart = 22 * 60;
    r.awakeStart = 7 * 60;
    const ClockTime begin{2026, 3, 1, 0, 0};
    for (int i = 0; i < 10000; ++i) {
        Measurement m;
        m.index = i;
        m.offsetMinutes = i * 10080 / 10000;
        m.SetClock(AddMinutes(begin, m.offsetMinutes));
        m.sys = 100 + (i * 37) % 90;
        m.dia = 55 + (i * 23) % 50;
        m.map = m.dia + (m.sys - m.dia) / 3 + 1;
        m.pr = 50 + (i * 13) % 70;
        m.status = i % 97 == 0 ? 6 : 0;
        m.valid = (m.status == 0 && i % 89 != 0) ? 1 : 0;
        r.AddMeasurement(m);
    }
    r.measurementCount = 10000;
    r.multiDay = multiDay;
    return r;
}

void FullAnalysis(const Recording& recording, AnalysisResults& results) {
    RunReportAnalysis(recording, results);
    for (Period period : kPeriods) {
        benchmark::DoNotOptimize(
            SelectPeriod(results, period, InitialRanges(period, recording.thresholds())));
    }
    BuildCorrelationData(recording, results);
    const ViewAnalysis view =
        RunViewAnalysis(recording, results, Period::Whole, kFirstSummaryRanges);
    benchmark::DoNotOptimize(view);
    for (Period period : {Period::Awake, Period::Asleep}) {
        benchmark::DoNotOptimize(SelectPeriod(results, period, kFirstSummaryRanges));
    }
}

// Every period filled: the most work the analysis can have.
void BM_FullAnalysisWeek10000(benchmark::State& state) {
    const Recording recording = WeekRecording(false);
    AnalysisResults results;
    for (auto _ : state) {
        FullAnalysis(recording, results);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FullAnalysisWeek10000)->Unit(benchmark::kMillisecond);

// As such a recording is read: longer than 72 hours, so without awake and asleep lists.
void BM_FullAnalysisWeek10000MultiDay(benchmark::State& state) {
    const Recording recording = WeekRecording(true);
    AnalysisResults results;
    for (auto _ : state) {
        FullAnalysis(recording, results);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FullAnalysisWeek10000MultiDay)->Unit(benchmark::kMillisecond);

}  // namespace
