#pragma once

#include "device/link/CBthSocket.h"
#include "device/link/CDeviceLink.h"
#include "device/link/LinkTiming.h"
#include "device/session/Pacer.h"

namespace vitalis {

// A HID-generation monitor over a connected Bluetooth socket. There is no opening
// handshake; reads go one byte at a time, each with its own polls, and succeed only when
// every byte arrived.
class CBthLinkHid final : public CDeviceLink {
  public:
    CBthLinkHid(CBthSocket& socket, Pacer& pacer, const LinkTiming& timing);

    bool OpenToUp() override { return socket_.IsConnected(); }
    bool OpenToDown() override { return socket_.IsConnected(); }
    LinkRead ReadUp(std::span<uint8_t> buffer) override;
    bool WriteUp(std::span<const uint8_t> data) override { return socket_.Send(data); }
    LinkRead ReadDown(std::span<uint8_t> buffer) override;
    bool WriteDown(std::span<const uint8_t> data) override { return socket_.Send(data); }
    void CloseUp() override { socket_.Close(); }
    void CloseDown() override { socket_.Close(); }
    LinkMedium Medium() const override { return LinkMedium::Bluetooth; }

  private:
    LinkRead ByteByByte(std::span<uint8_t> buffer, int pollsPerByte);

    CBthSocket& socket_;
    LinkTiming timing_;
    Pacer::Watch watch_;
};

}  // namespace vitalis
