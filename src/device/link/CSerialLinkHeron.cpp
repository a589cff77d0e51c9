#include "device/link/CSerialLinkHeron.h"

#include <algorithm>

#include "device/link/SerialProbe.h"

namespace vitalis {

CSerialLinkHeron::CSerialLinkHeron(SerialPortProvider& ports, Pacer& pacer,
                                   const LinkTiming& timing, std::optional<std::string> onlyPort)
    : ports_(ports), pacer_(pacer), timing_(timing), onlyPort_(std::move(onlyPort)) {}

CSerialLinkHeron::~CSerialLinkHeron() {
    watch_.Release();
    if (port_) port_->Close();
}

std::vector<std::string> CSerialLinkHeron::Candidates() {
    if (onlyPort_) return {*onlyPort_};
    std::vector<std::string> list = ports_.ListPorts();
    if (!preferred_.empty()) {
        list.erase(std::remove(list.begin(), list.end(), preferred_), list.end());
        list.insert(list.begin(), preferred_);
    }
    return list;
}

template <typename Handshake>
bool CSerialLinkHeron::Scan(uint32_t rate, Handshake handshake) {
    DrainAndClose();
    variant_ = 0;
    SerialSettings settings;
    settings.baudRate = rate;
    for (const std::string& name : Candidates()) {
        if (pacer_.IsCancelled()) return false;
        auto port = ports_.Open(name, settings, timing_.serialTimeouts);
        if (!port) continue;
        port_ = std::move(port);
        watch_ = pacer_.Observe(*port_);
        if (const std::optional<uint8_t> reply = handshake(*port_)) {
            portName_ = name;
            variant_ = *reply;
            return true;
        }
        DrainAndClose();
    }
    return false;
}

bool CSerialLinkHeron::OpenToUp() {
    const bool opened = Scan(kHeronUploadRate, [this](ByteStream& port) -> std::optional<uint8_t> {
        if (!SerialUploadHandshake(port, pacer_, timing_)) return std::nullopt;
        return 0;
    });
    variant_ = 0;
    return opened;
}

bool CSerialLinkHeron::OpenToDown() {
    return Scan(kHeronDownloadRate, [this](ByteStream& port) {
        return SerialDownloadHandshake(port, pacer_, timing_);
    });
}

LinkRead CSerialLinkHeron::Read(std::span<uint8_t> buffer) {
    if (!port_) return {};
    const StreamResult result = port_->Read(buffer);
    const bool ok =
        result.status == StreamStatus::Complete || result.status == StreamStatus::TimedOut;
    return {ok, static_cast<uint32_t>(result.count)};
}

bool CSerialLinkHeron::Write(std::span<const uint8_t> data) {
    return port_ && port_->Write(data).complete();
}

void CSerialLinkHeron::DrainAndClose() {
    if (!port_) return;
    DrainSerial(*port_, timing_.drainLimit);
    watch_.Release();
    port_->Close();
    port_.reset();
}

}  // namespace vitalis
