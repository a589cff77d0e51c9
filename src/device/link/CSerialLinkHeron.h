#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/link/ByteStream.h"
#include "device/link/CDeviceLink.h"
#include "device/link/LinkTiming.h"
#include "device/link/SerialPortProvider.h"
#include "device/session/Pacer.h"

namespace vitalis {

// A Heron monitor on a serial port. The upload side runs at 4800 Bd, the download side at
// 115200 Bd; opening either side scans the ports until one answers the handshake and keeps
// that one open.
//
// Reads and writes are single port operations. A read that times out still succeeds with
// what arrived (the protocol judges the bytes); a read or write on a port that has gone away
// fails.
class CSerialLinkHeron final : public CDeviceLink {
  public:
    // onlyPort: scan just this port (a link given as a port path).
    CSerialLinkHeron(SerialPortProvider& ports, Pacer& pacer, const LinkTiming& timing,
                     std::optional<std::string> onlyPort = std::nullopt);
    ~CSerialLinkHeron() override;

    // A port to try before the listed ones: where identification found the monitor.
    void PreferPort(const std::string& port) { preferred_ = port; }
    // The port the last successful open kept.
    const std::string& PortName() const { return portName_; }

    bool OpenToUp() override;
    bool OpenToDown() override;
    LinkRead ReadUp(std::span<uint8_t> buffer) override { return Read(buffer); }
    bool WriteUp(std::span<const uint8_t> data) override { return Write(data); }
    LinkRead ReadDown(std::span<uint8_t> buffer) override { return Read(buffer); }
    bool WriteDown(std::span<const uint8_t> data) override { return Write(data); }
    void CloseUp() override { DrainAndClose(); }
    void CloseDown() override { DrainAndClose(); }
    LinkMedium Medium() const override { return LinkMedium::Serial; }
    uint8_t HeronVariant() const override { return variant_; }

  private:
    // Tries each candidate port at the rate; the handshake returns the reply form, if any.
    template <typename Handshake>
    bool Scan(uint32_t rate, Handshake handshake);
    std::vector<std::string> Candidates();
    LinkRead Read(std::span<uint8_t> buffer);
    bool Write(std::span<const uint8_t> data);
    void DrainAndClose();

    SerialPortProvider& ports_;
    Pacer& pacer_;
    LinkTiming timing_;
    std::optional<std::string> onlyPort_;
    std::string preferred_;
    std::unique_ptr<ByteStream> port_;
    Pacer::Watch watch_;  // after port_: released before the port goes
    std::string portName_;
    uint8_t variant_ = 0;
};

}  // namespace vitalis
