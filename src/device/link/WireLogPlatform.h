#pragma once

#include <memory>

#include "device/link/LinkPlatform.h"
#include "device/link/WireLog.h"

namespace vitalis {

// A platform whose every line and HID device writes its traffic to a wire log: serial
// probes, the HID device's reports and the socket alike. Switched on per session by
// wrapping the session's platform.
class WireLogPlatform final : public LinkPlatform {
  public:
    WireLogPlatform(LinkPlatform& inner, WireLog& log);
    ~WireLogPlatform() override;

    std::unique_ptr<HidDevice> MakeHidDevice() override;
    SerialPortProvider& SerialPorts() override;
    std::unique_ptr<ByteStream> ConnectSocket(const LinkTarget& target, Pacer& pacer) override;

  private:
    class Ports;
    LinkPlatform& inner_;
    WireLog& log_;
    std::unique_ptr<Ports> ports_;
};

}  // namespace vitalis
