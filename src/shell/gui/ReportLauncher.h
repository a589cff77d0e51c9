#pragma once

#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <functional>
#include <optional>

#include "analysis/TimeAxis.h"

#include "ui/UserMessages.h"

class QPrinter;
class QWidget;

namespace vitalis {

class AppConfig;
class Recording;

// The report command and the printer setup. The report program runs as a separate process;
// the main window hides while it runs and comes back when it ends.
class ReportLauncher : public QObject {
    Q_OBJECT

  public:
    ReportLauncher(AppConfig& config, UserMessages messages, QWidget* window);

    // Writes the hand-off files of the open case and starts the report program; true when
    // it runs. A report already running is left alone. `screenWindow` is the part of the
    // recording the screen's trend shows, printed when the layout prints as shown on screen.
    bool Start(const Recording& recording, std::optional<TimeWindow> screenWindow = std::nullopt);
    // The page-setup dialog, preset from and stored into the start file.
    void PrinterSetup();

    // Shows the page-setup dialog for the printer; true when the user confirmed it. Tests
    // answer in its place.
    using PageSetupQuestion = std::function<bool(QPrinter& printer, QWidget* parent)>;
    void SetPageSetupQuestion(PageSetupQuestion ask) { askPageSetup_ = std::move(ask); }

    bool running() const { return process_ != nullptr; }
    QString programPath() const;
    void SetProgramPath(QString path) { programPath_ = std::move(path); }

  signals:
    void reportEnded();

  private:
    void Ended();

    AppConfig& config_;
    UserMessages messages_;
    QPointer<QWidget> window_;
    QString programPath_;
    PageSetupQuestion askPageSetup_;
    QProcess* process_ = nullptr;  // child of this launcher while a report runs
};

}  // namespace vitalis
