#pragma once

#include <functional>
#include <string>

#include "SlaveWatch.h"
#include "StopSignal.h"
#include "sim/FaultPlan.h"
#include "sim/MonitorEngine.h"

namespace vitalis::sim {

// A monitor on a pseudo-terminal: the workstation opens the slave side like a serial port.
// Each time the workstation closes the port the monitor starts over. A dropped line is a new
// pseudo-terminal; the link, when given, is moved to it.
class PtyMonitor {
  public:
    PtyMonitor(MonitorEngine& engine, const FaultOptions& faults, std::string linkPath = {});
    ~PtyMonitor();
    PtyMonitor(const PtyMonitor&) = delete;
    PtyMonitor& operator=(const PtyMonitor&) = delete;

    // Creates the pseudo-terminal (and the link); false when it cannot.
    bool Open();
    // The path the workstation opens: the link when given, else the slave device.
    std::string Path() const { return linkPath_.empty() ? slavePath_ : linkPath_; }
    const std::string& SlavePath() const { return slavePath_; }
    // Called with the new path whenever the pseudo-terminal is made again.
    void OnNewPath(std::function<void(const std::string&)> callback) {
        onNewPath_ = std::move(callback);
    }

    // Serves until stopped.
    void Run(const StopSignal& stop);

  private:
    bool WaitForWorkstation(const StopSignal& stop);
    void CloseMaster();

    MonitorEngine& engine_;
    FaultPlan faults_;
    std::string linkPath_;
    std::string slavePath_;
    int master_ = -1;
    SlaveWatch slaveWatch_;
    std::function<void(const std::string&)> onNewPath_;
};

}  // namespace vitalis::sim
