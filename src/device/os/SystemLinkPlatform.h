#pragma once

#include <chrono>
#include <memory>

#include "device/link/LinkPlatform.h"

namespace vitalis {

// The serial ports that exist and can be opened, in probing order, opened as termios ports.
class SystemSerialPorts final : public SerialPortProvider {
  public:
    std::vector<std::string> ListPorts() override;
    std::unique_ptr<ByteStream> Open(const std::string& port, const SerialSettings& settings,
                                     const StreamTimeouts& timeouts) override;
};

// This computer's USB HID, serial ports and sockets.
class SystemLinkPlatform final : public LinkPlatform {
  public:
    struct Options {
        std::chrono::milliseconds hidReportTimeout{1000};
        std::chrono::milliseconds tcpConnectTimeout{5000};
        std::chrono::milliseconds bluetoothConnectTimeout{20000};
    };
    SystemLinkPlatform() = default;
    explicit SystemLinkPlatform(const Options& options) : options_(options) {}

    std::unique_ptr<HidDevice> MakeHidDevice() override;
    SerialPortProvider& SerialPorts() override { return serial_; }
    std::unique_ptr<ByteStream> ConnectSocket(const LinkTarget& target, Pacer& pacer) override;

  private:
    Options options_;
    SystemSerialPorts serial_;
};

}  // namespace vitalis
