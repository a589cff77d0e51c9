#pragma once

#include <QObject>
#include <memory>

#include "device/gui/BluetoothDiscoverer.h"
#include "device/gui/BluezPairingAgent.h"

class QBluetoothDeviceDiscoveryAgent;
class QBluetoothLocalDevice;

namespace vitalis {

// The scan and the pairing through the system's Bluetooth service (BlueZ on Linux). With no
// adapter a scan ends at once as failed.
class QtBluetoothDiscoverer final : public BluetoothDiscoverer {
  public:
    QtBluetoothDiscoverer();
    ~QtBluetoothDiscoverer() override;

    void Start(Listener listener) override;
    void Stop() override;
    bool IsPaired(uint64_t address) const override;
    void Pair(uint64_t address, std::function<void(bool succeeded)> done) override;

  private:
    void Finish(bool succeeded);

    // Receives the agents' signals; deleted before the agents so no late call reaches us.
    std::unique_ptr<QObject> context_;
    std::unique_ptr<BluezPairingAgent> agentForPasskey_;
    std::unique_ptr<QBluetoothLocalDevice> local_;
    std::unique_ptr<QBluetoothDeviceDiscoveryAgent> agent_;
    Listener listener_;
    int found_ = 0;
    std::function<void(bool)> pairingDone_;
    uint64_t pairing_ = 0;
    bool pairingWired_ = false;
};

}  // namespace vitalis
