#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "device/link/HidDevice.h"

namespace vitalis {

// The monitor end of a scripted USB HID device, shared by every device object opened on it
// so that tests can look at the traffic after the channel is gone.
struct HidScript {
    using Message = std::vector<uint8_t>;
    // What the monitor answers to each output report's payload: whole messages, each sent
    // in as many input reports as it needs.
    using Responder = std::function<std::vector<Message>(std::span<const uint8_t> payload)>;

    int reportLength = 65;  // 0 or less: no monitor plugged in
    Responder responder;
    std::deque<std::vector<uint8_t>> inputReports;
    std::vector<std::vector<uint8_t>> outputReports;
    int opens = 0;
    int closes = 0;
    bool failWrites = false;

    void SendMessage(std::span<const uint8_t> message);
};

class ScriptedHidDevice final : public HidDevice {
  public:
    explicit ScriptedHidDevice(std::shared_ptr<HidScript> script) : script_(std::move(script)) {}

    int SelectDeviceOpen(int index, uint16_t vendorId, uint16_t productId) override;
    bool IsOpen() const override { return open_; }
    bool Read(std::span<uint8_t> report) override;
    bool Write(std::span<const uint8_t> report) override;
    void Close() override;
    void Cancel() override { cancelled_ = true; }

  private:
    std::shared_ptr<HidScript> script_;
    bool open_ = false;
    bool cancelled_ = false;
};

}  // namespace vitalis
