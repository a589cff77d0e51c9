#include "shell/gui/ReportLauncher.h"

#include <QDir>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QWidget>

#include "shell/AppConfig.h"
#include "shell/PrinterSettings.h"
#include "shell/ReportExport.h"
#include "shell/gui/PrinterChoice.h"

namespace vitalis {

ReportLauncher::ReportLauncher(AppConfig& config, UserMessages messages, QWidget* window)
    : QObject(window),
      config_(config),
      messages_(std::move(messages)),
      window_(window),
      askPageSetup_([](QPrinter& printer, QWidget* parent) {
          QPageSetupDialog dialog(&printer, parent);
          return dialog.exec() == QDialog::Accepted;
      }) {}

QString ReportLauncher::programPath() const {
    if (!programPath_.isEmpty()) return programPath_;
    return QDir(QString::fromStdString(config_.applicationDirectory()))
        .filePath(QStringLiteral("vitalis-report"));
}

bool ReportLauncher::Start(const Recording& recording, std::optional<TimeWindow> screenWindow) {
    if (running()) return true;
    const ReportExportResult exported = ExportReport(recording, config_, screenWindow);
    if (!exported.ok) {
        messages_.inform(window_, QString::fromStdString(exported.message));
        return false;
    }
    process_ = new QProcess(this);
    process_->setWorkingDirectory(QString::fromStdString(config_.applicationDirectory()));
    process_->start(programPath(), {QString::fromStdString(exported.folder)});
    if (!process_->waitForStarted()) {
        process_->deleteLater();
        process_ = nullptr;
        messages_.inform(window_, QStringLiteral("The report program cannot be started: %1")
                                      .arg(QDir::toNativeSeparators(programPath())));
        return false;
    }
    connect(process_, &QProcess::finished, this, &ReportLauncher::Ended);
    if (window_) window_->hide();
    return true;
}

void ReportLauncher::Ended() {
    process_->deleteLater();
    process_ = nullptr;
    if (window_) {
        window_->show();
        window_->raise();
        window_->activateWindow();
    }
    emit reportEnded();
}

void ReportLauncher::PrinterSetup() {
    const std::string start = config_.StartFilePath();
    const PrinterSettings before = ReadPrinterSettings(start);
    QPrinter printer;
    ApplyPrinterSettings(printer, before);
    if (!askPageSetup_(printer, window_)) return;
    WritePrinterSettings(start, PrinterSettingsOf(printer, before));
}

}  // namespace vitalis
