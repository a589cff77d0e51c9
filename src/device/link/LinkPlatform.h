#pragma once

#include <memory>

#include "device/link/ByteStream.h"
#include "device/link/HidDevice.h"
#include "device/link/LinkTarget.h"
#include "device/link/SerialPortProvider.h"
#include "device/session/Pacer.h"

namespace vitalis {

// The machine's ways to a monitor: what identification and the channels are built from.
// The real one lives with the operating-system code; tests and the simulator supply theirs.
class LinkPlatform {
  public:
    virtual ~LinkPlatform() = default;
    virtual std::unique_ptr<HidDevice> MakeHidDevice() = 0;
    virtual SerialPortProvider& SerialPorts() = 0;
    // Connects a stream socket for a bt: or tcp: target; null when it cannot. The pacer can
    // cancel the connect.
    virtual std::unique_ptr<ByteStream> ConnectSocket(const LinkTarget& target, Pacer& pacer) = 0;
};

}  // namespace vitalis
