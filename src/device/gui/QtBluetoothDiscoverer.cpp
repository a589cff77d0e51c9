#include "device/gui/QtBluetoothDiscoverer.h"

#include <QBluetoothAddress>
#include <QBluetoothDeviceDiscoveryAgent>
#include <QBluetoothDeviceInfo>
#include <QBluetoothLocalDevice>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "device/link/BthDeviceList.h"

namespace vitalis {

QtBluetoothDiscoverer::QtBluetoothDiscoverer() : context_(std::make_unique<QObject>()) {}

QtBluetoothDiscoverer::~QtBluetoothDiscoverer() {
    context_.reset();
    if (agent_) agent_->stop();
}

void QtBluetoothDiscoverer::Start(Listener listener) {
    Stop();
    listener_ = std::move(listener);
    found_ = 0;
    if (!local_) local_ = std::make_unique<QBluetoothLocalDevice>();
    if (!local_->isValid()) {
        // No adapter: still answer later, as a real scan would.
        QTimer::singleShot(0, context_.get(), [this] { Finish(false); });
        return;
    }
    if (!agent_) {
        agent_ = std::make_unique<QBluetoothDeviceDiscoveryAgent>(local_->address());
        QObject::connect(
            agent_.get(), &QBluetoothDeviceDiscoveryAgent::deviceDiscovered, context_.get(),
            [this](const QBluetoothDeviceInfo& info) {
                // The monitor speaks over RFCOMM, which Bluetooth Low Energy lacks.
                if (!(info.coreConfigurations() & QBluetoothDeviceInfo::BaseRateCoreConfiguration))
                    return;
                if (listener_.found) listener_.found(info.name(), info.address().toUInt64());
                ++found_;
                if (listener_.progress) listener_.progress(std::min(90, 10 + 10 * found_));
            });
        QObject::connect(agent_.get(), &QBluetoothDeviceDiscoveryAgent::finished, context_.get(),
                         [this] { Finish(true); });
        QObject::connect(agent_.get(), &QBluetoothDeviceDiscoveryAgent::errorOccurred,
                         context_.get(), [this] { Finish(false); });
    }
    if (listener_.progress) listener_.progress(10);
    agent_->start(QBluetoothDeviceDiscoveryAgent::ClassicMethod);
}

void QtBluetoothDiscoverer::Stop() {
    listener_ = {};
    if (agent_ && agent_->isActive()) agent_->stop();
}

void QtBluetoothDiscoverer::Finish(bool succeeded) {
    Listener listener = std::exchange(listener_, {});
    if (listener.progress) listener.progress(100);
    if (listener.finished) listener.finished(succeeded);
}

bool QtBluetoothDiscoverer::IsPaired(uint64_t address) const {
    if (!local_ || !local_->isValid()) return false;
    return local_->pairingStatus(QBluetoothAddress(address)) != QBluetoothLocalDevice::Unpaired;
}

void QtBluetoothDiscoverer::Pair(uint64_t address, std::function<void(bool)> done) {
    if (!local_) local_ = std::make_unique<QBluetoothLocalDevice>();
    if (!local_->isValid()) {
        QTimer::singleShot(0, context_.get(), [done = std::move(done)] { done(false); });
        return;
    }
    if (!pairingWired_) {
        pairingWired_ = true;
        QObject::connect(local_.get(), &QBluetoothLocalDevice::pairingFinished, context_.get(),
                         [this](const QBluetoothAddress& peer, QBluetoothLocalDevice::Pairing how) {
                             if (peer.toUInt64() != pairing_) return;
                             if (auto done = std::exchange(pairingDone_, {}))
                                 done(how != QBluetoothLocalDevice::Unpaired);
                         });
        QObject::connect(local_.get(), &QBluetoothLocalDevice::errorOccurred, context_.get(),
                         [this] {
                             if (auto done = std::exchange(pairingDone_, {})) done(false);
                         });
    }
    if (!agentForPasskey_) {
        agentForPasskey_ = std::make_unique<BluezPairingAgent>(QString(BthDeviceList::kPasskey));
        agentForPasskey_->Register();
    }
    pairing_ = address;
    pairingDone_ = std::move(done);
    local_->requestPairing(QBluetoothAddress(address), QBluetoothLocalDevice::Paired);
}

}  // namespace vitalis
