#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/FaultPlan.h"
#include "sim/HeronEngine.h"
#include "sim/HidGenerationEngine.h"

namespace vitalis::sim {

struct SimOptions {
    bool serial = false;              // a Heron monitor on a pseudo-terminal
    std::string link;                 // a symlink to its slave device
    std::optional<uint16_t> tcpPort;  // a monitor on 127.0.0.1
    bool tcpHeron = false;            // the TCP monitor speaks Heron rather than HID generation
    HeronSimOptions heron;
    HidSimOptions hid;
    uint32_t seed = 1;
    std::string casePath;   // the recording from a case file instead of the seed
    std::string uploadOut;  // where an upload's block is written
    FaultOptions faults;
    std::vector<size_t> undated;  // readings (from 1) the monitor dates impossibly
    bool help = false;
};

// Parses the command line (without the program name); an error text when it cannot.
std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const kSimUsage;

}  // namespace vitalis::sim
