#include "device/link/BthDeviceList.h"

#include "device/link/LinkTarget.h"

namespace vitalis {

void BthDeviceList::Clear() {
    entries_.clear();
    connected_ = -1;
}

const BthDeviceEntry* BthDeviceList::Add(std::string name, uint64_t address) {
    // Devices that do not tell their name cannot be told apart by the user.
    if (name.empty()) return nullptr;
    const int index = static_cast<int>(entries_.size());
    entries_.push_back({index, std::move(name), address & 0xFFFF'FFFF'FFFFull});
    return &entries_.back();
}

const BthDeviceEntry* BthDeviceList::Find(int index) const {
    if (index < 0 || index >= static_cast<int>(entries_.size())) return nullptr;
    return &entries_[static_cast<size_t>(index)];
}

std::array<std::string, 3> BthDeviceList::Row(const BthDeviceEntry& entry) {
    return {std::to_string(entry.index), entry.name, FormatBluetoothAddress(entry.address)};
}

BthConnectStep BthDeviceList::StepFor(int index, bool paired) const {
    if (!Find(index)) return BthConnectStep::Refuse;
    if (index == connected_) return BthConnectStep::KeepConnection;
    return paired ? BthConnectStep::Connect : BthConnectStep::Pair;
}

}  // namespace vitalis
