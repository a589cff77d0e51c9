#include "shell/gui/SessionLauncher.h"

#include <QApplication>
#include <QInputDialog>
#include <cstdio>
#include <memory>

#include "device/WireLog.h"
#include "device/WireLogPlatform.h"
#include "device/gui/LinkWayDialog.h"
#include "device/gui/SessionProgressDialog.h"
#include "shell/AppConfig.h"

#ifdef VITALIS_HAS_OS_LINKS
#include "device/os/SystemLinkPlatform.h"
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
    // Until the scan dialog lists the monitors in range, the monitor's address is typed.
    const QString address = QInputDialog::getText(
        window_, QString::fromStdString(texts_.Text("Dialog Setting", "IDS_USE_BLUETOOTH")),
        QString::fromStdString(texts_.Text("Dialog Setting", "IDS_ADDRESS")));
    if (address.isEmpty()) return std::nullopt;
    return ParseLinkTarget("bt:" + address.trimmed().toStdString());
}

SessionLauncher::Outcome SessionLauncher::Run(SessionRequest request) {
    Outcome outcome;
#ifdef VITALIS_HAS_OS_LINKS
    SystemLinkPlatform system;
    const std::string logPath = config_.applicationDirectory() + "/LastSession.log";
    std::remove(logPath.c_str());  // only the last session's bytes are kept
    std::unique_ptr<WireLog> log = WireLog::ToFile(logPath);
    std::unique_ptr<WireLogPlatform> logged;
    if (log) logged = std::make_unique<WireLogPlatform>(system, *log);
    LinkPlatform& platform = logged ? static_cast<LinkPlatform&>(*logged) : system;

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
