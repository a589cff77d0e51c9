#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "device/heron/HeronPackets.h"
#include "device/link/CDeviceLink.h"

namespace vitalis {

// Reads the Heron monitor's typed packets from the download side, one byte per read.
//
// The line can carry junk between packets (noise on the cable, a monitor that restarted).
// Bytes that are no packet type are skipped, up to a limit per packet: the packed bodies
// never contain a type byte (their bytes all have bit 7 set), so the next real type byte
// puts the reader back in step. The end of the data is silence: a type byte that does not
// come ends the reading, and so does a body that stops halfway.
class HeronPacketReader {
  public:
    explicit HeronPacketReader(CDeviceLink& link, size_t junkLimit = 256);

    // Reads the next packet into the cleared receive area. False when no whole packet came.
    bool Next();
    std::span<const uint8_t> Area() const { return area_; }
    size_t JunkSkipped() const { return junkSkipped_; }

  private:
    bool ReadByte(uint8_t& byte);

    CDeviceLink& link_;
    size_t junkLimit_;
    size_t junkSkipped_ = 0;
    std::array<uint8_t, kHeronAreaSize> area_{};
};

}  // namespace vitalis
