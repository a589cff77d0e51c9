#include "device/heron/HeronPacketReader.h"

#include <algorithm>

namespace vitalis {

HeronPacketReader::HeronPacketReader(CDeviceLink& link, size_t junkLimit)
    : link_(link), junkLimit_(junkLimit) {}

bool HeronPacketReader::ReadByte(uint8_t& byte) {
    const LinkRead read = link_.ReadDown({&byte, 1});
    return read.ok && read.count == 1;
}

bool HeronPacketReader::Next() {
    area_.fill(0);
    uint8_t type = 0;
    for (size_t skipped = 0;; ++skipped) {
        if (!ReadByte(type)) return false;
        if (HeronBodyLength(type)) break;
        if (skipped == junkLimit_) return false;
        ++junkSkipped_;
    }
    area_[0] = type;
    const size_t length = *HeronBodyLength(type);
    for (size_t i = 1; i <= length; ++i) {
        if (!ReadByte(area_[i])) {
            std::fill(area_.begin(), area_.end(), uint8_t{0});
            return false;
        }
    }
    return true;
}

}  // namespace vitalis
