// heron-sim: a Heron monitor on a pseudo-terminal and a monitor of either protocol on a TCP
// port of 127.0.0.1, for trying the workstation without hardware and for its end-to-end tests.
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <thread>

#include "PtyMonitor.h"
#include "SimOptions.h"
#include "StopSignal.h"
#include "TcpMonitor.h"
#include "case/Recording.h"

namespace {

using namespace vitalis::sim;

StopSignal* gStop = nullptr;

void OnSignal(int) {
    if (gStop != nullptr) gStop->Raise();
}

std::optional<SimRecording> ReadRecording(const SimOptions& options) {
    if (options.casePath.empty()) return GenerateRecording(options.seed);
    vitalis::Recording recording;
    recording.casePath = options.casePath;
    if (!recording.Load()) return std::nullopt;
    return RecordingFromCase(recording);
}

// A monitor whose clock was never set, or lost its date, sends month 0 for those readings.
std::optional<SimRecording> LoadRecording(const SimOptions& options) {
    std::optional<SimRecording> recording = ReadRecording(options);
    if (recording)
        for (const size_t n : options.undated)
            if (n <= recording->readings.size()) recording->readings[n - 1].month = 0;
    return recording;
}

UploadSink FileSink(const std::string& path) {
    return [path](std::span<const uint8_t> block) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(block.data()),
                  static_cast<std::streamsize>(block.size()));
        std::cout << "upload: " << block.size() << " bytes written to " << path << std::endl;
    };
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options || options->help) {
        if (!options) std::cerr << "heron-sim: " << error << "\n";
        std::cerr << kSimUsage;
        return options ? 0 : 2;
    }
    const auto recording = LoadRecording(*options);
    if (!recording) {
        std::cerr << "heron-sim: cannot read the case file " << options->casePath << "\n";
        return 1;
    }
    const UploadSink sink =
        options->uploadOut.empty() ? UploadSink{} : FileSink(options->uploadOut);
    StopSignal stop;
    gStop = &stop;
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::signal(SIGPIPE, SIG_IGN);

    std::vector<std::thread> threads;
    std::unique_ptr<MonitorEngine> serialEngine;
    std::unique_ptr<PtyMonitor> pty;
    if (options->serial) {
        serialEngine = std::make_unique<HeronEngine>(*recording, options->heron, sink);
        pty = std::make_unique<PtyMonitor>(*serialEngine, options->faults, options->link);
        pty->OnNewPath(
            [](const std::string& path) { std::cout << "serial: " << path << std::endl; });
        if (!pty->Open()) {
            std::cerr << "heron-sim: cannot create a pseudo-terminal\n";
            return 1;
        }
        threads.emplace_back([&] { pty->Run(stop); });
    }
    std::unique_ptr<MonitorEngine> tcpEngine;
    std::unique_ptr<TcpMonitor> tcp;
    if (options->tcpPort) {
        if (options->tcpHeron)
            tcpEngine = std::make_unique<HeronEngine>(*recording, options->heron, sink);
        else
            tcpEngine = std::make_unique<HidGenerationEngine>(*recording, options->hid, sink);
        tcp = std::make_unique<TcpMonitor>(*tcpEngine, options->faults);
        if (!tcp->Listen(*options->tcpPort)) {
            std::cerr << "heron-sim: cannot listen on 127.0.0.1:" << *options->tcpPort << "\n";
            stop.Raise();
        } else {
            std::cout << "tcp: 127.0.0.1:" << tcp->Port() << std::endl;
            threads.emplace_back([&] { tcp->Run(stop); });
        }
    }
    for (std::thread& t : threads) t.join();
    gStop = nullptr;
    return 0;
}
