#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "device/link/LinkPlatform.h"
#include "support/ScriptedHidDevice.h"
#include "support/ScriptedStream.h"

namespace vitalis {

// Serial ports whose lines are scripted streams, for tests.
class ScriptedSerialPorts final : public SerialPortProvider {
  public:
    // Makes the line each time the port is opened (a port that is never answered can return
    // a bare ScriptedStream).
    using LineMaker = std::function<std::unique_ptr<ScriptedStream>(uint32_t baudRate)>;

    // Ports are listed in the order they were added.
    void AddPort(const std::string& name, LineMaker maker);
    // Listed, but opening it fails (held by another program).
    void AddBusyPort(const std::string& name);

    std::vector<std::string> ListPorts() override;
    std::unique_ptr<ByteStream> Open(const std::string& port, const SerialSettings& settings,
                                     const StreamTimeouts& timeouts) override;

    // Every open, in order: the port and its rate.
    const std::vector<std::pair<std::string, uint32_t>>& Opens() const { return opens_; }
    // The lines handed out, in order of opening; they stay readable after the channel closed
    // them.
    const std::vector<ScriptedStream*>& Lines() const { return lines_; }

  private:
    std::vector<std::string> order_;
    std::map<std::string, LineMaker> makers_;
    std::vector<std::pair<std::string, uint32_t>> opens_;
    std::vector<ScriptedStream*> lines_;
    std::vector<std::unique_ptr<ScriptedStream>> keep_;
};

// A machine whose USB HID device, serial ports and sockets are all scripted, for tests.
class ScriptedPlatform final : public LinkPlatform {
  public:
    using SocketMaker = std::function<std::unique_ptr<ByteStream>(const LinkTarget&)>;

    ScriptedPlatform();
    std::shared_ptr<HidScript> hid;  // reportLength 0 by default: nothing on USB HID
    ScriptedSerialPorts serial;
    SocketMaker socketMaker;
    int hidDevicesMade = 0;
    int socketConnects = 0;

    std::unique_ptr<HidDevice> MakeHidDevice() override;
    SerialPortProvider& SerialPorts() override { return serial; }
    std::unique_ptr<ByteStream> ConnectSocket(const LinkTarget& target, Pacer& pacer) override;
};

}  // namespace vitalis
