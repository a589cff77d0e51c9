#pragma once

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
LineEnd ServeLine(int fd, MonitorEngine& engine, FaultPlan& faults, const StopSignal& stop);

}  // namespace vitalis::sim
