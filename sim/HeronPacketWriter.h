#pragma once

#include <array>
#include <cstdint>

#include "case/Measurement.h"
#include "sim/MonitorEngine.h"
#include "sim/SimRecording.h"

namespace vitalis::sim {

// The packets a Heron monitor sends, type byte first.
Message HeronMeasurementPacket(const Measurement& m);
Message HeronAddressPacket(const std::array<uint8_t, 6>& address);
Message HeronCountPacket(uint32_t records);
// The programming echoed back, the special period included, and the stored count.
Message HeronHeaderPacket(const SimRecording& recording, int storedCount);

}  // namespace vitalis::sim
