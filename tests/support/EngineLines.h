#pragma once

#include <memory>
#include <string>

#include "sim/MonitorEngine.h"
#include "support/ScriptedHidDevice.h"
#include "support/ScriptedStream.h"

namespace vitalis::sim {

// A simulated monitor behind a scripted line, for tests that run it in-process. Opening a
// line starts the monitor's exchange afresh, as plugging it in would.
std::unique_ptr<ScriptedStream> EngineStream(std::shared_ptr<MonitorEngine> engine,
                                             std::string name = "sim");

// A simulated monitor behind a scripted USB HID device with reports of the given length.
std::shared_ptr<HidScript> EngineHidScript(std::shared_ptr<MonitorEngine> engine,
                                           int reportLength = 65);

}  // namespace vitalis::sim
