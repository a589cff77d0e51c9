// Case-file speed: each figure is measured beside the plain work it is held against.
//   Load of a 1000-reading case      vs one pass that parses the same file into memory
//   writing a new 1000-reading case  vs writing the final file's bytes once
//   the patient list of 2000 files   vs reading those files' bytes once
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "case/CaseFileKeys.h"
#include "case/CaseFolder.h"
#include "case/CaseWriter.h"
#include "case/ProfileStore.h"
#include "case/Recording.h"

namespace {

using namespace vitalis;

const ClockTime kBegin{2026, 3, 1, 8, 0};

std::string BenchFolder() {
    static const std::string folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vitalis-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        return pattern;
    }();
    return folder;
}

std::vector<Measurement> Readings(int count) {
    std::vector<Measurement> readings;
    for (int i = 0; i < count; ++i) {
        Measurement m;
        m.index = i;
        m.offsetMinutes = i * 15;
        m.SetClock(AddMinutes(kBegin, m.offsetMinutes));
        m.sys = 110 + i % 40, m.dia = 70 + i % 20, m.map = 90 + i % 10, m.pr = 60 + i % 30;
        m.status = i % 25 == 0 ? 6 : 0;
        m.valid = 1;
        readings.push_back(m);
    }
    return readings;
}

CaseHeader Header() {
    CaseHeader h;
    h.patient.name = "Bench Patient";
    h.patient.id = "B-1";
    h.testBegin = kBegin;
    h.schedule = MonitorSchedule{};  // 07:00 and 22:00
    return h;
}

void WriteCase(const std::string& path, int readings) {
    std::filesystem::remove(path);
    WriteReadings(path, Readings(readings), NoTexts());
    WriteHeader(path, Header());
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The plain work: read the file and split it into sections and key/value strings.
struct PlainEntry {
    std::string section, key, value;
};
std::vector<PlainEntry> ParseOnce(const std::string& path) {
    const std::string text = ReadAll(path);
    std::vector<PlainEntry> entries;
    std::string section;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty() && line.front() == '[') {
            section = std::string(line.substr(1, line.find(']') - 1));
        } else if (const size_t eq = line.find('='); eq != std::string_view::npos) {
            entries.push_back(
                {section, std::string(line.substr(0, eq)), std::string(line.substr(eq + 1))});
        }
        start = end + 1;
    }
    return entries;
}

void BM_LoadCase1000(benchmark::State& state) {
    const std::string path = BenchFolder() + "/load1000.awp";
    WriteCase(path, 1000);
    for (auto _ : state) {
        Recording recording;
        recording.casePath = path;
        benchmark::DoNotOptimize(recording.Load());
    }
}
BENCHMARK(BM_LoadCase1000)->Unit(benchmark::kMicrosecond);

void BM_ParseCaseOnce1000(benchmark::State& state) {
    const std::string path = BenchFolder() + "/load1000.awp";
    WriteCase(path, 1000);
    for (auto _ : state) benchmark::DoNotOptimize(ParseOnce(path));
}
BENCHMARK(BM_ParseCaseOnce1000)->Unit(benchmark::kMicrosecond);

// Writes a new 1000-reading case file the given way, from no file each time.
template <typename Write>
void WriteNewCase(benchmark::State& state, Write write) {
    const std::string path = BenchFolder() + "/write1000.awp";
    const auto readings = Readings(1000);
    const CaseHeader header = Header();
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(path);
        state.ResumeTiming();
        write(path, readings, header);
    }
}

// As a download writes it: everything in one atomic replace.
void BM_WriteNewCase1000(benchmark::State& state) {
    WriteNewCase(state,
                 [](const std::string& path, const auto& readings, const CaseHeader& header) {
                     CaseFileWriter writer(path);
                     writer.AddHeader(header);
                     writer.AddReadings(readings, NoTexts());
                     writer.Commit();
                 });
}
BENCHMARK(BM_WriteNewCase1000)->Unit(benchmark::kMicrosecond);

// Through the two one-shot writers: two atomic replaces, the second over a file.
void BM_WriteNewCaseTwoReplaces1000(benchmark::State& state) {
    WriteNewCase(state,
                 [](const std::string& path, const auto& readings, const CaseHeader& header) {
                     WriteReadings(path, readings, NoTexts());
                     WriteHeader(path, header);
                 });
}
BENCHMARK(BM_WriteNewCaseTwoReplaces1000)->Unit(benchmark::kMicrosecond);

void BM_WriteFinalBytesOnce1000(benchmark::State& state) {
    const std::string source = BenchFolder() + "/write1000.awp";
    WriteCase(source, 1000);
    const std::string bytes = ReadAll(source);
    const std::string path = BenchFolder() + "/bytes1000.awp";
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(path);
        state.ResumeTiming();
        std::ofstream out(path, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
}
BENCHMARK(BM_WriteFinalBytesOnce1000)->Unit(benchmark::kMicrosecond);

// A case folder of 2000 files: a day's recording each (about 100 readings).
const std::vector<std::string>& CaseFolder() {
    static const std::vector<std::string> paths = [] {
        const std::string folder = BenchFolder() + "/folder";
        std::filesystem::create_directories(folder);
        std::vector<std::string> list;
        for (int i = 0; i < 2000; ++i) {
            list.push_back(folder + "/" + std::to_string(i) + "case.awp");
            WriteCase(list.back(), 96);
        }
        return list;
    }();
    return paths;
}

// The whole patient list of the folder: the walk, every file's row and its damage check.
void BM_CaseListKeys2000(benchmark::State& state) {
    const auto& paths = CaseFolder();
    const std::string folder = std::filesystem::path(paths.front()).parent_path().string();
    CaseFileTable table;
    for (auto _ : state) benchmark::DoNotOptimize(ListCaseFolder(folder, table));
}
BENCHMARK(BM_CaseListKeys2000)->Unit(benchmark::kMillisecond);

void BM_ReadBytes2000(benchmark::State& state) {
    const auto& paths = CaseFolder();
    for (auto _ : state) {
        for (const std::string& path : paths) benchmark::DoNotOptimize(ReadAll(path));
    }
}
BENCHMARK(BM_ReadBytes2000)->Unit(benchmark::kMillisecond);

}  // namespace
