#pragma once

#include <functional>

#include "StopSignal.h"
#include "sim/FaultPlan.h"
#include "sim/MonitorEngine.h"

namespace vitalis::sim {

enum class LineEnd {
    HungUp,   // the workstation closed its end
    Dropped,  // the monitor hung up (a fault)
    Stopped,  // the simulator is shutting down
};

// Plays the engine on one open line (a pty master or an accepted socket) until it ends: every
// byte that comes in goes to the engine, and its answers go out shaped by the fault plan.
// `closedSince`, when given, tells whether the workstation closed the line since it was last
// asked: what comes in then belongs to a new line, and the engine and the faults start over.
LineEnd ServeLine(int fd, MonitorEngine& engine, FaultPlan& faults, const StopSignal& stop,
                  const std::function<bool()>& closedSince = {});

}  // namespace vitalis::sim
