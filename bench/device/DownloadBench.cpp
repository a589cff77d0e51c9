// A Heron download of a 300-reading recording from the simulated monitor on a
// pseudo-terminal, identification included, measured against the waits the monitor needs.
//
// Those waits, for n readings sent as address, header, count and n reading packets:
//   start flag                        5 ms
//   identification probe              5 + 5 ms, then its drain ends on a read timeout (150)
//   download open                     5 + 5 ms
//   data phase                        (n + 3) * (50 + 15) ms, then 50 ms and a timeout (150)
//   closing drain                     a read timeout (150 ms)
// A read timeout is the serial port's 100 ms plus 50 ms for the one byte asked for.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <thread>

#include "PtyMonitor.h"
#include "StopSignal.h"
#include "case/CalendarTime.h"
#include "device/os/SystemLinkPlatform.h"
#include "device/session/PolicySessionUi.h"
#include "device/session/SessionWorker.h"
#include "sim/HeronEngine.h"

namespace {

using namespace vitalis;

constexpr int kReadings = 300;

int64_t MandatedMilliseconds(int readings) {
    const int64_t timeout = 100 + 50;
    return 5 + (10 + timeout) + 10 + (readings + 3) * (50 + 15) + (50 + timeout) + timeout;
}

sim::SimRecording Recording(int count) {
    sim::SimRecording r;
    r.patientName = "Benchmark";
    r.patientId = "B-300";
    r.start = {2026, 3, 2, 9, 0};
    r.programmedAt = AddMinutes(r.start, -5);
    for (int i = 0; i < count; ++i) {
        Measurement m;
        m.SetClock(AddMinutes(r.start, static_cast<int64_t>(i) * 15));
        m.offsetMinutes = i * 15;
        m.sys = 110 + i % 40;
        m.dia = 70 + i % 20;
        m.map = (m.sys + 2 * m.dia) / 3;
        m.pr = 60 + i % 30;
        m.valid = 1;
        r.readings.push_back(m);
    }
    return r;
}

void HeronDownloadOverPty(benchmark::State& state) {
    sim::HeronEngine engine(Recording(kReadings), sim::HeronSimOptions{});
    sim::PtyMonitor pty(engine, sim::FaultOptions{});
    if (!pty.Open()) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    sim::StopSignal stop;
    std::thread monitor([&] { pty.Run(stop); });
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "vitalis-download-bench";
    SystemLinkPlatform platform;
    NoTexts texts;
    size_t saved = 0;
    for (auto _ : state) {
        std::filesystem::remove_all(folder);
        PolicySessionUi ui;
        SessionProgress progress;
        SessionWorker worker({platform, ui, texts, progress});
        progress.RaiseStartFlag();
        const SessionResult result = worker.Run(
            {SessionKind::Download, *ParseLinkTarget("serial:" + pty.Path()), folder.string(), {}});
        saved = result.savedPaths.size();
    }
    stop.Raise();
    monitor.join();
    std::filesystem::remove_all(folder);
    if (saved == 0) state.SkipWithError("the download saved nothing");
    state.counters["mandated_ms"] = static_cast<double>(MandatedMilliseconds(kReadings));
}

BENCHMARK(HeronDownloadOverPty)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
