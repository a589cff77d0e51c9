#include "device/os/SystemLinkPlatform.h"

#include "device/os/CHID.h"
#include "device/os/CSerialPort.h"
#include "device/os/EnumComPorts.h"
#include "device/os/SocketStream.h"

namespace vitalis {

std::vector<std::string> SystemSerialPorts::ListPorts() {
    std::vector<std::string> paths;
    for (const ComPortEntry& port : EnumComPorts(true)) paths.push_back(port.devicePath);
    return paths;
}

std::unique_ptr<ByteStream> SystemSerialPorts::Open(const std::string& port,
                                                    const SerialSettings& settings,
                                                    const StreamTimeouts& timeouts) {
    auto serial = std::make_unique<CSerialPort>(port);
    if (!serial->Open(settings)) return nullptr;
    serial->SetTimeouts(timeouts);
    return serial;
}

std::unique_ptr<HidDevice> SystemLinkPlatform::MakeHidDevice() {
    return std::make_unique<CHID>(options_.hidReportTimeout);
}

std::unique_ptr<ByteStream> SystemLinkPlatform::ConnectSocket(const LinkTarget& target,
                                                              Pacer& pacer) {
    auto socket = std::make_unique<SocketStream>(FormatLinkTarget(target));
    bool connected = false;
    {
        Pacer::Watch watch = pacer.Observe(*socket);
        if (target.kind == LinkTarget::Kind::Tcp)
            connected = socket->ConnectTcp(target.host, target.port, options_.tcpConnectTimeout);
        else if (target.kind == LinkTarget::Kind::Bluetooth)
            connected =
                socket->ConnectRfcomm(target.bluetoothAddress, options_.bluetoothConnectTimeout);
    }
    if (!connected) return nullptr;
    return socket;
}

}  // namespace vitalis
