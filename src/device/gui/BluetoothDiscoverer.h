#pragma once

#include <QString>
#include <cstdint>
#include <functional>

namespace vitalis {

// Finds the Bluetooth devices in range and pairs with one of them, without blocking the
// window: every callback comes later on the window's thread. The scan dialog talks only to
// this, so it can be driven without a Bluetooth adapter.
class BluetoothDiscoverer {
  public:
    struct Listener {
        std::function<void(const QString& name, uint64_t address)> found;
        std::function<void(int percent)> progress;     // 0 to 100
        std::function<void(bool succeeded)> finished;  // false: no adapter or the scan failed
    };

    virtual ~BluetoothDiscoverer() = default;

    // Starts a scan, stopping any running one; `finished` is called once per scan that is
    // not stopped.
    virtual void Start(Listener listener) = 0;
    // Ends a running scan without calling its listener again.
    virtual void Stop() = 0;

    virtual bool IsPaired(uint64_t address) const = 0;
    // Pairs with the device, answering its passkey request; `done` is called once.
    virtual void Pair(uint64_t address, std::function<void(bool succeeded)> done) = 0;
};

}  // namespace vitalis
