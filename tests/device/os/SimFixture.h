#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "PtyMonitor.h"
#include "StopSignal.h"
#include "TcpMonitor.h"
#include "sim/HeronEngine.h"
#include "sim/HidGenerationEngine.h"

namespace vitalis::test {

// A simulated monitor served on its own thread for the length of a test.
class SimulatedMonitor {
  public:
    // With a link, PtyPath() is that link, moved to each new pseudo-terminal.
    static std::unique_ptr<SimulatedMonitor> HeronOnPty(sim::HeronSimOptions heron,
                                                        sim::FaultOptions faults = {},
                                                        uint32_t seed = 11,
                                                        const std::string& link = {}) {
        auto m = std::unique_ptr<SimulatedMonitor>(new SimulatedMonitor);
        m->recording = sim::GenerateRecording(seed);
        m->engine = std::make_unique<sim::HeronEngine>(m->recording, heron, m->Sink());
        m->pty = std::make_unique<sim::PtyMonitor>(*m->engine, faults, link);
        if (!m->pty->Open()) return nullptr;
        m->thread = std::thread([p = m.get()] { p->pty->Run(p->stop); });
        return m;
    }
    static std::unique_ptr<SimulatedMonitor> OnTcp(std::unique_ptr<sim::MonitorEngine> engine,
                                                   sim::FaultOptions faults = {}) {
        auto m = std::unique_ptr<SimulatedMonitor>(new SimulatedMonitor);
        m->engine = std::move(engine);
        m->tcp = std::make_unique<sim::TcpMonitor>(*m->engine, faults);
        if (!m->tcp->Listen(0)) return nullptr;
        m->thread = std::thread([p = m.get()] { p->tcp->Run(p->stop); });
        return m;
    }
    static std::unique_ptr<SimulatedMonitor> HidOnTcp(sim::HidSimOptions hid = {},
                                                      sim::FaultOptions faults = {},
                                                      uint32_t seed = 12) {
        auto recording = sim::GenerateRecording(seed);
        return OnTcp(std::make_unique<sim::HidGenerationEngine>(recording, hid), faults);
    }
    ~SimulatedMonitor() {
        stop.Raise();
        if (thread.joinable()) thread.join();
    }

    std::string PtyPath() const { return pty ? pty->Path() : std::string(); }
    std::string TcpLink() const { return "tcp:127.0.0.1:" + std::to_string(tcp->Port()); }

    // The last upload block; written on the monitor's thread.
    std::vector<uint8_t> Uploaded() const {
        std::lock_guard lock(mutex);
        return uploaded;
    }

    sim::SimRecording recording;

  private:
    SimulatedMonitor() = default;
    sim::UploadSink Sink() {
        return [this](std::span<const uint8_t> block) {
            std::lock_guard lock(mutex);
            uploaded.assign(block.begin(), block.end());
        };
    }
    mutable std::mutex mutex;
    std::vector<uint8_t> uploaded;
    std::unique_ptr<sim::MonitorEngine> engine;
    std::unique_ptr<sim::PtyMonitor> pty;
    std::unique_ptr<sim::TcpMonitor> tcp;
    sim::StopSignal stop;
    std::thread thread;
};

}  // namespace vitalis::test
