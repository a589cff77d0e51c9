// What the clinical block adds to analyze on a week-long recording of 10,000 readings: on
// its own (with the division it makes itself, as analyze runs it) and on a division the
// analysis has already made.
#include <benchmark/benchmark.h>

#include "WeekRecording.h"
#include "analysis/AnalysisOrder.h"
#include "analysis/clinical/ClinicalBlock.h"

namespace {

using namespace vitalis;

const clinical::GuidelineProfile& Esh() {
    return clinical::GuidelineOrDefault("esh2023");
}

void BM_ClinicalBlockWeek10000(benchmark::State& state) {
    const Recording recording = bench::WeekRecording(false);
    const OfficePressure office{142, 91};
    for (auto _ : state) {
        benchmark::DoNotOptimize(clinical::ComputeClinicalBlock(recording, Esh(), office));
    }
}
BENCHMARK(BM_ClinicalBlockWeek10000)->Unit(benchmark::kMillisecond);

void BM_ClinicalBlockOnDividedWeek10000(benchmark::State& state) {
    const Recording recording = bench::WeekRecording(false);
    AnalysisResults results;
    RunReportAnalysis(recording, results);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            clinical::ComputeClinicalBlock(recording, results, Esh(), std::nullopt));
    }
}
BENCHMARK(BM_ClinicalBlockOnDividedWeek10000)->Unit(benchmark::kMillisecond);

}  // namespace
