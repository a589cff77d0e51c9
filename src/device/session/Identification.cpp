#include "device/session/Identification.h"

#include <array>
#include <exception>

#include "device/link/CHidLink.h"
#include "device/link/MonitorFrames.h"
#include "device/link/SerialProbe.h"

namespace vitalis {
namespace {

DeviceIdentity FromIdentifyReply(const IdentifyReply& reply) {
    DeviceIdentity identity;
    identity.kind = DeviceKind::HidGeneration;
    identity.devType = reply.deviceType;
    identity.devSubType = reply.deviceSubType;
    return identity;
}

DeviceIdentity HeronIdentity(uint8_t variant) {
    DeviceIdentity identity;
    identity.kind = DeviceKind::Heron;
    identity.devType = kHeronDeviceType;
    identity.devSubType = 0;
    identity.heronVariant = variant;
    return identity;
}

std::optional<DeviceIdentity> ProbeHid(LinkPlatform& platform, Pacer& pacer,
                                       const LinkTiming& timing) {
    CHidLink link(platform.MakeHidDevice(), pacer);
    if (!link.OpenToDown()) return std::nullopt;
    std::optional<DeviceIdentity> found;
    std::array<uint8_t, kIdentifyReplyLength> reply{};
    if (link.WriteDown(IdentifyFrame()) && pacer.Pause(timing.hidIdentifyPause) &&
        link.ReadDown(reply)) {
        if (const auto parsed = ParseIdentifyReply(reply)) {
            found = FromIdentifyReply(*parsed);
            found->hidFeatureFlag = parsed->featureFlag;
            found->overHid = true;
        }
    }
    link.CloseDown();
    return found;
}

std::optional<DeviceIdentity> ProbeSerialPort(SerialPortProvider& ports, const std::string& name,
                                              Pacer& pacer, const LinkTiming& timing) {
    SerialSettings settings;
    settings.baudRate = kHeronDownloadRate;
    const auto port = ports.Open(name, settings, timing.serialTimeouts);
    if (!port) return std::nullopt;
    Pacer::Watch watch = pacer.Observe(*port);
    const std::optional<uint8_t> variant = SerialDownloadHandshake(*port, pacer, timing);
    DrainSerial(*port, timing.drainLimit);
    watch.Release();
    port->Close();
    if (!variant) return std::nullopt;
    DeviceIdentity identity = HeronIdentity(*variant);
    identity.port = name;
    return identity;
}

DeviceIdentity IdentifyWiredUnguarded(LinkPlatform& platform, Pacer& pacer,
                                      const LinkTiming& timing,
                                      const std::optional<std::string>& onlyPort) {
    if (!onlyPort) {
        if (auto found = ProbeHid(platform, pacer, timing)) return *found;
    }
    SerialPortProvider& ports = platform.SerialPorts();
    const std::vector<std::string> names =
        onlyPort ? std::vector<std::string>{*onlyPort} : ports.ListPorts();
    for (const std::string& name : names) {
        if (pacer.IsCancelled()) break;
        if (auto found = ProbeSerialPort(ports, name, pacer, timing)) return *found;
    }
    return {};
}

DeviceIdentity IdentifyBluetoothUnguarded(CBthSocket& socket, Pacer& pacer,
                                          const LinkTiming& timing) {
    Pacer::Watch watch = pacer.Observe(socket);
    socket.SetPollDuration(timing.bluetoothPoll);
    std::array<uint8_t, kIdentifyReplyLength> reply{};
    size_t received = 0;
    if (socket.Send(IdentifyFrame()) &&
        socket.Receive(reply, received, timing.bluetoothIdentifyPolls) &&
        received == reply.size()) {
        if (const auto parsed = ParseIdentifyReply(reply)) return FromIdentifyReply(*parsed);
    }
    if (pacer.IsCancelled() || !socket.IsConnected()) return {};
    // Whatever a monitor said to the identify must not be taken for the Heron reply.
    socket.DiscardPending();
    std::array<uint8_t, 7> heron{};
    if (!socket.Send(HeronSerialOpenFrame()) || !pacer.Pause(timing.bluetoothHeronProbePause))
        return {};
    if (!socket.Receive(heron, received, timing.bluetoothHeronProbePolls)) return {};
    const auto variant =
        HeronOpenReplyVariant(std::span(heron).first(std::min<size_t>(received, 6)));
    if (!variant) return {};
    // A reply of the first form counts only when all seven bytes came.
    if (*variant == kHeronVariantA && received < heron.size()) return {};
    return HeronIdentity(*variant);
}

}  // namespace

bool IsAcceptedDeviceType(int devType) {
    return (devType >= 1 && devType <= 15) || (devType >= 0x51 && devType <= 0x5F);
}

DeviceIdentity IdentifyWired(LinkPlatform& platform, Pacer& pacer, const LinkTiming& timing,
                             const std::optional<std::string>& onlyPort) {
    try {
        return IdentifyWiredUnguarded(platform, pacer, timing, onlyPort);
    } catch (const std::exception&) {
        return {};  // a failure inside identification counts as no answer
    }
}

DeviceIdentity IdentifyBluetooth(CBthSocket& socket, Pacer& pacer, const LinkTiming& timing) {
    try {
        return IdentifyBluetoothUnguarded(socket, pacer, timing);
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace vitalis
