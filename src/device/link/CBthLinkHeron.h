#pragma once

#include "device/link/CBthSocket.h"
#include "device/link/CDeviceLink.h"
#include "device/link/LinkTiming.h"
#include "device/session/Pacer.h"

namespace vitalis {

// A Heron monitor over a connected Bluetooth socket. Each read takes as many bytes as come
// (up to the length asked for) and succeeds when at least one came.
class CBthLinkHeron final : public CDeviceLink {
  public:
    CBthLinkHeron(CBthSocket& socket, Pacer& pacer, const LinkTiming& timing);

    bool OpenToUp() override;
    bool OpenToDown() override;
    LinkRead ReadUp(std::span<uint8_t> buffer) override;
    bool WriteUp(std::span<const uint8_t> data) override { return socket_.Send(data); }
    LinkRead ReadDown(std::span<uint8_t> buffer) override;
    bool WriteDown(std::span<const uint8_t> data) override { return socket_.Send(data); }
    void CloseUp() override { socket_.Close(); }
    void CloseDown() override { socket_.Close(); }
    LinkMedium Medium() const override { return LinkMedium::Bluetooth; }
    uint8_t HeronVariant() const override { return variant_; }

  private:
    LinkRead Receive(std::span<uint8_t> buffer, int polls);

    CBthSocket& socket_;
    Pacer& pacer_;
    LinkTiming timing_;
    Pacer::Watch watch_;
    uint8_t variant_ = 0;
};

}  // namespace vitalis
