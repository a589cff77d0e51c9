// Analysis speed: the full analysis of a week-long recording of 10,000 readings, in both
// calling orders and for all three periods. Goal: under 5 ms.
#include <benchmark/benchmark.h>

#include "WeekRecording.h"
#include "analysis/AnalysisOrder.h"
#include "analysis/Correlation.h"

namespace {

using namespace vitalis;
using bench::WeekRecording;

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
