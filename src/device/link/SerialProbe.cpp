#include "device/link/SerialProbe.h"

#include <array>

#include "device/link/MonitorFrames.h"

namespace vitalis {

bool SerialUploadHandshake(ByteStream& port, Pacer& pacer, const LinkTiming& timing) {
    const uint8_t open = kHeronUploadOpen;
    if (!port.Write({&open, 1}).complete()) return false;
    if (!pacer.Pause(timing.serialProbePause)) return false;
    uint8_t reply = 0;
    const bool got = port.Read({&reply, 1}).complete();
    if (!pacer.Pause(timing.serialProbePause)) return false;
    return got && reply == kHeronUploadAck;
}

std::optional<uint8_t> SerialDownloadHandshake(ByteStream& port, Pacer& pacer,
                                               const LinkTiming& timing) {
    for (const uint8_t byte : HeronSerialOpenFrame()) {
        if (!port.Write({&byte, 1}).complete()) return std::nullopt;
    }
    if (!pacer.Pause(timing.serialProbePause)) return std::nullopt;
    std::array<uint8_t, kHeronOpenReplyLength> reply{};
    for (uint8_t& byte : reply) {
        if (!port.Read({&byte, 1}).complete()) return std::nullopt;
    }
    if (!pacer.Pause(timing.serialProbePause)) return std::nullopt;
    return HeronOpenReplyVariant(reply);
}

size_t DrainSerial(ByteStream& port, size_t limit) {
    size_t drained = 0;
    uint8_t byte = 0;
    while (drained < limit && port.Read({&byte, 1}).complete()) ++drained;
    return drained;
}

}  // namespace vitalis
