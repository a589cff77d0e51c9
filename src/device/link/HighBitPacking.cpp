#include "device/link/HighBitPacking.h"

#include <algorithm>

namespace vitalis {
namespace {

constexpr size_t kGroupData = 7;
constexpr size_t kGroupPacked = 8;
constexpr uint8_t kHigh = 0x80;

}  // namespace

size_t PackedLength(size_t n) {
    if (n == 0) return 0;
    const size_t rest = n % kGroupData;
    return n / kGroupData * kGroupPacked + (rest != 0 ? rest + 1 : 0);
}

size_t UnpackedLength(size_t m) {
    if (m < 2) return 0;
    if (m <= kGroupPacked) return m - 1;
    const size_t rest = m % kGroupPacked;
    return m / kGroupPacked * kGroupData + (rest != 0 ? rest - 1 : 0);
}

std::vector<uint8_t> PackHighBits(std::span<const uint8_t> raw) {
    std::vector<uint8_t> packed;
    packed.reserve(PackedLength(raw.size()));
    for (size_t start = 0; start < raw.size(); start += kGroupData) {
        const size_t count = std::min(kGroupData, raw.size() - start);
        uint8_t head = kHigh;
        for (size_t i = 0; i < count; ++i) {
            if (raw[start + i] & kHigh) head |= static_cast<uint8_t>(1u << i);
        }
        packed.push_back(head);
        for (size_t i = 0; i < count; ++i) packed.push_back(raw[start + i] | kHigh);
    }
    return packed;
}

bool UnpackGroup(std::span<const uint8_t> group, std::vector<uint8_t>& out) {
    if (group.empty()) return true;
    const uint8_t head = group[0];
    bool wellFormed = (head & kHigh) != 0;
    const size_t count = std::min(group.size() - 1, kGroupData);
    for (size_t i = 0; i < count; ++i) {
        const uint8_t byte = group[i + 1];
        if (!(byte & kHigh)) wellFormed = false;
        const bool keepHigh = (head >> i) & 1u;
        out.push_back(keepHigh ? (byte | kHigh) : static_cast<uint8_t>(byte & ~kHigh));
    }
    return wellFormed;
}

UnpackResult UnpackHighBits(std::span<const uint8_t> packed, std::vector<uint8_t>& out,
                            size_t expectedLength) {
    out.clear();
    out.reserve(UnpackedLength(packed.size()));
    bool wellFormed = true;
    for (size_t start = 0; start < packed.size(); start += kGroupPacked) {
        const size_t count = std::min(kGroupPacked, packed.size() - start);
        if (!UnpackGroup(packed.subspan(start, count), out)) wellFormed = false;
    }
    if (!wellFormed) return UnpackResult::BitSevenClear;
    return out.size() == expectedLength ? UnpackResult::Good : UnpackResult::WrongLength;
}

}  // namespace vitalis
