#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vitalis {

// The monitors keep bit 7 of every byte on the wire set, so that data can never be mistaken
// for a command letter or a frame marker. Raw bytes travel in groups of up to seven behind a
// head byte: bit i of the head carries bit 7 of data byte i, bit 7 of the head is always set,
// and every data byte goes out with bit 7 set.

// Packed size of n raw bytes.
size_t PackedLength(size_t n);
// Raw size of m packed bytes.
size_t UnpackedLength(size_t m);

std::vector<uint8_t> PackHighBits(std::span<const uint8_t> raw);

enum class UnpackResult {
    Good = 1,
    WrongLength = 2,    // the bytes produced are not the length the caller expected
    BitSevenClear = 3,  // some packed byte was below 0x80; the bytes are still produced
};

// Unpacks into out (replacing its content). A malformed byte wins over a wrong length.
UnpackResult UnpackHighBits(std::span<const uint8_t> packed, std::vector<uint8_t>& out,
                            size_t expectedLength);

// One group: a head byte and up to seven data bytes, appended to out. False when any byte of
// the group has bit 7 clear (the bytes are appended all the same).
bool UnpackGroup(std::span<const uint8_t> group, std::vector<uint8_t>& out);

}  // namespace vitalis
