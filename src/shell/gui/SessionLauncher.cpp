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
#include "device/os/LoggedSystemPlatform.h"
#endif

namespace vitalis {

SessionLauncher::SessionLauncher(AppConfig& config, const TextSource& texts, QWidget* window)
    : config_(config), texts_(texts), window_(window) {}

std::optional<LinkTarget> SessionLauncher::ChooseLink() {
    if (linkOverride_) return linkOverride_;
    if (config_.showSelectDevice != 0) {
        LinkWayDialog dialog(texts_, config_.useBluetooth, config_.showSelectDevice, window_);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        config_.useBluetooth = dialog.useBluetooth();
        config_.showSelectDevice = dialog.showSelectDevice();
        config_.Save();
    }
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
#else
    (void)request;
#endif
    return outcome;
}

}  // namespace vitalis
