#include "device/hid/HidReportDescriptor.h"

#include <algorithm>
#include <array>
#include <map>
#include <utility>
#include <vector>

namespace vitalis {
namespace {

constexpr uint64_t kMaxReportBits = 8 * 4096;  // larger than any report a hidraw node carries
constexpr size_t kMaxPushDepth = 16;

struct Globals {
    uint64_t reportSize = 0;
    uint64_t reportCount = 0;
    uint32_t reportId = 0;
};

struct Item {
    uint8_t type = 0;  // 0 main, 1 global, 2 local
    uint8_t tag = 0;
    uint32_t value = 0;
};

// Reads the short item at pos; long items are skipped. False when the item runs past the end.
bool NextItem(std::span<const uint8_t> d, size_t& pos, Item& item, bool& isLong) {
    const uint8_t prefix = d[pos];
    if (prefix == 0xFE) {  // long item: size, tag, data
        if (pos + 3 > d.size() || pos + 3 + d[pos + 1] > d.size()) return false;
        isLong = true;
        pos += 3 + d[pos + 1];
        return true;
    }
    static constexpr std::array<size_t, 4> kSizes{0, 1, 2, 4};
    const size_t size = kSizes[prefix & 3];
    if (pos + 1 + size > d.size()) return false;
    item.type = (prefix >> 2) & 3;
    item.tag = prefix >> 4;
    item.value = 0;
    for (size_t i = 0; i < size; ++i)
        item.value |= static_cast<uint32_t>(d[pos + 1 + i]) << (8 * i);
    isLong = false;
    pos += 1 + size;
    return true;
}

}  // namespace

HidReportSizes ParseHidReportDescriptor(std::span<const uint8_t> d) {
    HidReportSizes sizes;
    Globals globals;
    std::vector<Globals> stack;
    // Bits per report ID, for input and output.
    std::map<uint32_t, std::pair<uint64_t, uint64_t>> bits;
    size_t pos = 0;
    while (pos < d.size()) {
        Item item;
        bool isLong = false;
        if (!NextItem(d, pos, item, isLong)) return sizes;
        if (isLong) continue;
        if (item.type == 1) {
            switch (item.tag) {
                case 7:
                    globals.reportSize = item.value;
                    break;
                case 8:
                    globals.reportId = item.value;
                    sizes.numbered = true;
                    break;
                case 9:
                    globals.reportCount = item.value;
                    break;
                case 10:
                    if (stack.size() >= kMaxPushDepth) return sizes;
                    stack.push_back(globals);
                    break;
                case 11:
                    if (stack.empty()) return sizes;
                    globals = stack.back();
                    stack.pop_back();
                    break;
                default:
                    break;
            }
        } else if (item.type == 0 && (item.tag == 8 || item.tag == 9)) {
            if (globals.reportSize > kMaxReportBits || globals.reportCount > kMaxReportBits)
                return sizes;
            auto& entry = bits[globals.reportId];
            uint64_t& total = item.tag == 8 ? entry.first : entry.second;
            total += globals.reportSize * globals.reportCount;
            if (total > kMaxReportBits) return sizes;
        }
    }
    for (const auto& [id, inOut] : bits) {
        sizes.input = std::max<size_t>(sizes.input, (inOut.first + 7) / 8);
        sizes.output = std::max<size_t>(sizes.output, (inOut.second + 7) / 8);
    }
    sizes.valid = sizes.input > 0 || sizes.output > 0;
    return sizes;
}

}  // namespace vitalis
