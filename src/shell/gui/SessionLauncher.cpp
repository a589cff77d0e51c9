#include "shell/gui/SessionLauncher.h"

#include <QApplication>
#include <QTimer>
#include <memory>

#include "device/gui/BluetoothScanDialog.h"
#include "device/gui/LinkWayDialog.h"
#include "device/gui/QtBluetoothDiscoverer.h"
#include "device/gui/SessionProgressDialog.h"
#include "shell/AppConfig.h"

#ifdef VITALIS_HAS_OS_LINKS
#include "device/os/EnumComPorts.h"
#include "device/os/LoggedSystemPlatform.h"
#endif

namespace vitalis {

SessionLauncher::SessionLauncher(AppConfig& config, const TextSource& texts, QWidget* window)
    : config_(config), texts_(texts), window_(window) {}

namespace {

// The serial ports the dialog offers, in the order they are probed.
std::vector<SerialPortChoice> SerialPorts() {
    std::vector<SerialPortChoice> ports;
#ifdef VITALIS_HAS_OS_LINKS
    for (const ComPortEntry& entry : EnumComPorts(false))
        ports.push_back({entry.devicePath, entry.description});
#endif
    return ports;
}

}  // namespace

bool SessionLauncher::ChooseLinkWay() {
    LinkWayDialog dialog(texts_, config_.useBluetooth, config_.showSelectDevice, window_,
                         SerialPorts(), chosenLink_);
    if (dialog.exec() != QDialog::Accepted) return false;
    config_.useBluetooth = dialog.useBluetooth();
    config_.showSelectDevice = dialog.showSelectDevice();
    config_.SaveIfChanged();
    const std::optional<LinkTarget> link = dialog.chosenLink();
    const bool direct =
        link && (link->kind == LinkTarget::Kind::Serial || link->kind == LinkTarget::Kind::Tcp);
    chosenLink_ = direct ? link : std::nullopt;
    return true;
}

std::optional<LinkTarget> SessionLauncher::ChooseLink() {
    if (linkOverride_) return linkOverride_;
    if (config_.showSelectDevice != 0 && !ChooseLinkWay()) return std::nullopt;
    if (chosenLink_) return chosenLink_;
    if (config_.useBluetooth == 0) return ParseLinkTarget("usb");
    // Cancelling the scan cancels the session; a fixed address comes from the command line's
    // --link instead of being typed here.
    QtBluetoothDiscoverer discoverer;
    BluetoothScanDialog dialog(texts_, discoverer, UserMessages::MessageBoxes(), window_);
    // The devices in range are what the user came for: start looking as soon as it shows.
    QTimer::singleShot(0, &dialog, &BluetoothScanDialog::Scan);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const std::optional<uint64_t> address = dialog.ChosenAddress();
    if (!address) return std::nullopt;
    LinkTarget target;
    target.kind = LinkTarget::Kind::Bluetooth;
    target.bluetoothAddress = *address;
    return target;
}

SessionLauncher::Outcome SessionLauncher::Run(SessionRequest request) {
    Outcome outcome;
#ifdef VITALIS_HAS_OS_LINKS
    // Only the last session's bytes are kept, for support.
    LoggedSystemPlatform links(config_.applicationDirectory() + "/LastSession.log", true);
    LinkPlatform& platform = links.platform();

    QtSessionUi ui(texts_, window_, answers_);
    SessionProgress progress;
    SessionWorker worker({platform, ui, texts_, progress});
    if (!worker.Start(std::move(request))) return outcome;
    SessionProgressDialog dialog(progress, worker, texts_, window_);
    dialog.exec();
    // The worker may still ask a last question while it winds down: keep answering.
    while (worker.Running()) QApplication::processEvents(QEventLoop::AllEvents, 10);
    worker.Join();
    outcome.state = progress.State();
    outcome.result = worker.Result();
    links.Note(SessionEndNote(outcome.result));
#else
    (void)request;
#endif
    return outcome;
}

}  // namespace vitalis
