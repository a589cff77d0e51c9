#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "device/os/FdStream.h"

namespace vitalis {

// A connected stream socket: RFCOMM to a Bluetooth monitor, or TCP to the simulator that
// stands in for it. Connecting waits like any read, so a cancel ends it at once.
class SocketStream final : public FdStream {
  public:
    explicit SocketStream(std::string name) : FdStream(std::move(name)) {}

    // host may be a name, an IPv4 address or a bracketed IPv6 address.
    bool ConnectTcp(const std::string& host, uint16_t port, std::chrono::milliseconds timeout);
    // The serial port service of the device, its channel found by a service lookup; when the
    // lookup finds nothing, channel 1, where monitors put it.
    bool ConnectRfcomm(uint64_t address, std::chrono::milliseconds timeout);

  protected:
    void BeforeClose(int fd) override;

  private:
    bool FinishConnect(int fd, std::chrono::milliseconds timeout);
};

}  // namespace vitalis
