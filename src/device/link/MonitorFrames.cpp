#include "device/link/MonitorFrames.h"

#include <algorithm>

#include "device/link/HighBitPacking.h"

namespace vitalis {
namespace {

Frame6 SignatureFrame(uint8_t command) {
    Frame6 frame{command};
    std::copy(kSignature.begin(), kSignature.end(), frame.begin() + 1);
    return frame;
}

bool HasSignatureAt(std::span<const uint8_t> bytes, size_t offset) {
    return bytes.size() >= offset + kSignature.size() &&
           std::equal(kSignature.begin(), kSignature.end(), bytes.begin() + offset);
}

}  // namespace

Frame6 HeronOpenFrame() {
    return SignatureFrame(kHeronOpenCommand);
}

std::array<uint8_t, 7> HeronSerialOpenFrame() {
    std::array<uint8_t, 7> frame{};
    const Frame6 open = HeronOpenFrame();
    std::copy(open.begin(), open.end(), frame.begin());
    return frame;
}

std::optional<uint8_t> HeronOpenReplyVariant(std::span<const uint8_t> reply) {
    if (reply.size() < kHeronOpenReplyLength) return std::nullopt;
    if (reply[0] != kHeronVariantA && reply[0] != kHeronVariantB) return std::nullopt;
    if (!HasSignatureAt(reply, 1)) return std::nullopt;
    return reply[0];
}

Frame6 IdentifyFrame() {
    return SignatureFrame(kIdentifyCommand);
}
Frame6 StartFrame() {
    return SignatureFrame(kStartCommand);
}

Frame6 ReadBlockFrame(uint8_t deviceType, uint8_t selector, BlockKind kind) {
    return {kBlockCommand, deviceType, 0x01, selector, static_cast<uint8_t>(kind), 0x00};
}

Frame6 AnnounceSettingsFrame(uint8_t deviceType, uint8_t selector) {
    return {kBlockCommand, deviceType, 0x02, selector, 0x01, 0x00};
}

std::vector<uint8_t> SettingsFrame(uint8_t deviceType, std::span<const uint8_t> rawSettings) {
    std::vector<uint8_t> frame{kSettingsCommand, deviceType};
    const std::vector<uint8_t> packed = PackHighBits(rawSettings);
    frame.insert(frame.end(), packed.begin(), packed.end());
    return frame;
}

Frame6 EndFrame(uint8_t deviceType) {
    return {kEndCommand, deviceType, 0x01, 0x00, 0x00, 0x00};
}

std::optional<IdentifyReply> ParseIdentifyReply(std::span<const uint8_t> reply) {
    if (reply.size() < kIdentifyReplyLength || reply[0] != kIdentifyMarker) return std::nullopt;
    IdentifyReply parsed;
    parsed.deviceType = reply[2];
    parsed.deviceSubType = reply[3];
    parsed.flags = reply[4];
    if (parsed.flags & 0x80) parsed.featureFlag = (parsed.flags & 0x04) != 0;
    return parsed;
}

bool IsStartReply(std::span<const uint8_t> reply) {
    return reply.size() >= kStartReplyLength && reply[0] == kStartMarker;
}

bool IsAck(std::span<const uint8_t> reply, uint8_t command) {
    return reply.size() >= kAckLength && reply[0] == kAckMarker && reply[1] == command &&
           reply[2] == 0x01;
}

std::array<uint8_t, kAckLength> AckFor(uint8_t command) {
    return {kAckMarker, command, 0x01, 0x00};
}

}  // namespace vitalis
