#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vitalis {

// One Bluetooth device found by a scan, in the order the scan reported it.
struct BthDeviceEntry {
    int index = 0;
    std::string name;      // UTF-8
    uint64_t address = 0;  // 48 bits; the first written byte is the most significant
};

// What connecting to a listed entry takes.
enum class BthConnectStep {
    Refuse,          // no such entry
    KeepConnection,  // that entry is already connected: neither paired nor connected again
    Pair,            // the monitor has not been paired yet: pair with its passkey first
    Connect,         // already paired: use it as it is
};

// The devices of the last scan, and which of them the open link goes to.
class BthDeviceList {
  public:
    // The passkey the monitor asks for when it is paired.
    static constexpr const char* kPasskey = "2946";

    // Forgets the entries and the connection: a new scan starts from no open link.
    void Clear();

    // Lists a device under the next index; a device without a name is not listed.
    const BthDeviceEntry* Add(std::string name, uint64_t address);

    const std::vector<BthDeviceEntry>& Entries() const { return entries_; }
    const BthDeviceEntry* Find(int index) const;

    // The cells of one list row: index, name, address.
    static std::array<std::string, 3> Row(const BthDeviceEntry& entry);

    // Marks the entry the link now goes to (-1: none).
    void SetConnected(int index) { connected_ = Find(index) ? index : -1; }
    int Connected() const { return connected_; }

    BthConnectStep StepFor(int index, bool paired) const;

  private:
    std::vector<BthDeviceEntry> entries_;
    int connected_ = -1;
};

}  // namespace vitalis
