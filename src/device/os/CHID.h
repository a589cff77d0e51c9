#pragma once

#include <chrono>
#include <cstddef>
#include <string>

#include "device/link/HidDevice.h"
#include "device/os/FdWait.h"

namespace vitalis {

// The monitor's USB HID interface. hidapi finds it (vendor and product id, the index-th
// match); the reports then go through its hidraw node directly, so that every wait sits in
// a poll beside the wake fd and a cancel ends it at once. The report length comes from the
// device's report descriptor, the report ID byte included.
class CHID final : public HidDevice {
  public:
    explicit CHID(std::chrono::milliseconds reportTimeout = std::chrono::milliseconds(1000));
    ~CHID() override;
    CHID(const CHID&) = delete;
    CHID& operator=(const CHID&) = delete;

    int SelectDeviceOpen(int index, uint16_t vendorId, uint16_t productId) override;
    bool IsOpen() const override { return fd_ >= 0; }
    bool Read(std::span<uint8_t> report) override;
    bool Write(std::span<const uint8_t> report) override;
    void Close() override;
    void Cancel() override { wake_.Poke(); }

    const std::string& Path() const { return path_; }

  private:
    std::chrono::milliseconds timeout_;
    int fd_ = -1;
    std::string path_;
    bool numbered_ = false;
    size_t reportLength_ = 0;
    WakeFd wake_;
};

// The hidraw path of the index-th (from 1) HID interface with these ids; empty when none.
std::string FindHidPath(int index, uint16_t vendorId, uint16_t productId);

}  // namespace vitalis
