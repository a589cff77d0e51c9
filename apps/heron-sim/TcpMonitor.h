#pragma once

#include <cstdint>

#include "StopSignal.h"
#include "sim/FaultPlan.h"
#include "sim/MonitorEngine.h"

namespace vitalis::sim {

// A monitor behind a TCP port on 127.0.0.1, standing in for a Bluetooth serial link: one
// connection at a time, each starting the monitor over.
class TcpMonitor {
  public:
    TcpMonitor(MonitorEngine& engine, const FaultOptions& faults);
    ~TcpMonitor();
    TcpMonitor(const TcpMonitor&) = delete;
    TcpMonitor& operator=(const TcpMonitor&) = delete;

    // Port 0 picks a free port. False when the port cannot be had.
    bool Listen(uint16_t port);
    uint16_t Port() const { return port_; }

    void Run(const StopSignal& stop);

  private:
    MonitorEngine& engine_;
    FaultPlan faults_;
    int listener_ = -1;
    uint16_t port_ = 0;
};

}  // namespace vitalis::sim
