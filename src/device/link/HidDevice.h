#pragma once

#include <cstdint>
#include <span>

#include "device/link/ByteStream.h"

namespace vitalis {

inline constexpr uint16_t kMonitorVendorId = 0x0483;
inline constexpr uint16_t kMonitorProductId = 0x5750;

// A USB HID monitor, one report at a time. Reports carry the report ID in byte 0.
class HidDevice : public Cancellable {
  public:
    // Opens the index-th (from 1) device with these ids. The report length R (ID byte
    // included) when it opened, 0 or less when there is no such device.
    virtual int SelectDeviceOpen(int index, uint16_t vendorId, uint16_t productId) = 0;
    virtual bool IsOpen() const = 0;
    // One input report into the buffer; false when none came in time or the device is gone.
    virtual bool Read(std::span<uint8_t> report) = 0;
    virtual bool Write(std::span<const uint8_t> report) = 0;
    virtual void Close() = 0;
};

}  // namespace vitalis
