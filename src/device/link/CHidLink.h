#pragma once

#include <memory>

#include "device/link/CDeviceLink.h"
#include "device/link/HidDevice.h"
#include "device/session/Pacer.h"

namespace vitalis {

// A monitor on USB HID. Messages travel in reports of the length the device reported when
// it opened; both sides read and write alike. A failed report fails the whole operation, but
// the remaining reports are still transferred so the exchange stays in step.
class CHidLink final : public CDeviceLink {
  public:
    CHidLink(std::unique_ptr<HidDevice> device, Pacer& pacer);
    ~CHidLink() override;

    bool OpenToUp() override { return Open(); }
    bool OpenToDown() override { return Open(); }
    LinkRead ReadUp(std::span<uint8_t> buffer) override { return Read(buffer); }
    bool WriteUp(std::span<const uint8_t> data) override { return Write(data); }
    LinkRead ReadDown(std::span<uint8_t> buffer) override { return Read(buffer); }
    bool WriteDown(std::span<const uint8_t> data) override { return Write(data); }
    void CloseUp() override { Close(); }
    void CloseDown() override { Close(); }
    LinkMedium Medium() const override { return LinkMedium::Hid; }

    int ReportLength() const { return reportLength_; }

  private:
    bool Open();
    LinkRead Read(std::span<uint8_t> message);
    bool Write(std::span<const uint8_t> message);
    void Close();
    bool Usable() const;

    std::unique_ptr<HidDevice> device_;
    Pacer::Watch watch_;
    int reportLength_ = 0;
};

}  // namespace vitalis
