#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vitalis {

// Command frames and replies of both monitor protocols. Neither protocol has a checksum or a
// length field: a frame is known by its first byte and its fixed length, and a reply is
// judged by its marker letters. Multi-byte numbers are big-endian.

using Frame6 = std::array<uint8_t, 6>;

// The five bytes that follow the command byte of the signature frames and open the Heron
// monitor's reply.
inline constexpr std::array<uint8_t, 5> kSignature{0x8F, 0xFF, 0xFE, 0xFD, 0xFC};

// Heron protocol.
inline constexpr uint8_t kHeronOpenCommand = 0x01;
inline constexpr uint8_t kHeronVariantA = 0x02;  // the two reply forms of the open
inline constexpr uint8_t kHeronVariantB = 0x34;
// Monitors that open with this form answer "T" after a single-file data set by sending the
// header once more; the other form has nothing to add after its data.
inline constexpr uint8_t kHeronHeaderAgainVariant = kHeronVariantB;
inline constexpr uint8_t kHeronUploadOpen = 0xAA;
inline constexpr uint8_t kHeronUploadAck = 0x6C;      // "l": also acknowledges each upload byte
inline constexpr uint8_t kHeronHeaderRequest = 0x54;  // "T": ask again for the header
inline constexpr size_t kHeronOpenReplyLength = 6;

Frame6 HeronOpenFrame();
// The serial line sends a trailing zero after the frame.
std::array<uint8_t, 7> HeronSerialOpenFrame();
// The reply form (kHeronVariantA or B) when the six bytes are a Heron open reply.
std::optional<uint8_t> HeronOpenReplyVariant(std::span<const uint8_t> reply);

// HID-generation protocol.
inline constexpr uint8_t kIdentifyCommand = 0x40;  // "@"
inline constexpr uint8_t kStartCommand = 0x42;     // "B"
inline constexpr uint8_t kBlockCommand = 0x43;     // "C"
inline constexpr uint8_t kSettingsCommand = 0x44;  // "D"
inline constexpr uint8_t kEndCommand = 0x4B;       // "K"
inline constexpr uint8_t kAckMarker = 0x4A;        // "J"
inline constexpr uint8_t kIdentifyMarker = 0x41;   // "A"
inline constexpr uint8_t kStartMarker = 0x48;      // "H"
inline constexpr size_t kIdentifyReplyLength = 5;
inline constexpr size_t kStartReplyLength = 7;
inline constexpr size_t kAckLength = 4;

// What the block request asks for.
enum class BlockKind : uint8_t { Settings = 1, Measurements = 2, Oxygen = 3 };

Frame6 IdentifyFrame();
Frame6 StartFrame();
// "C": read a block; the selector picks the data set (1, 2 or 3) for measurements and oxygen.
Frame6 ReadBlockFrame(uint8_t deviceType, uint8_t selector, BlockKind kind);
// "C": the settings block is about to be written.
Frame6 AnnounceSettingsFrame(uint8_t deviceType, uint8_t selector);
// "D": the device type and the packed settings block, 82 bytes for a 70-byte block.
std::vector<uint8_t> SettingsFrame(uint8_t deviceType, std::span<const uint8_t> rawSettings);
// The settings frame goes out in two writes, each acknowledged.
inline constexpr size_t kSettingsFirstPart = 64;
Frame6 EndFrame(uint8_t deviceType);

struct IdentifyReply {
    uint8_t deviceType = 0;
    uint8_t deviceSubType = 0;
    uint8_t flags = 0;
    // Only monitors that set bit 7 of the flags say whether they have the feature (bit 2).
    std::optional<bool> featureFlag;
};
std::optional<IdentifyReply> ParseIdentifyReply(std::span<const uint8_t> reply);
bool IsStartReply(std::span<const uint8_t> reply);
// "J", the command letter, 01; the fourth byte carries nothing the workstation uses.
bool IsAck(std::span<const uint8_t> reply, uint8_t command);
std::array<uint8_t, kAckLength> AckFor(uint8_t command);

}  // namespace vitalis
