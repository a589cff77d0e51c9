#pragma once

#include <QString>
#include <optional>

#include "device/gui/QtSessionUi.h"
#include "device/link/LinkTarget.h"
#include "device/session/SessionWorker.h"

class QWidget;

namespace vitalis {

class AppConfig;

// Runs a download or upload from the window: asks for the link when the configuration says
// so, runs the session on its worker behind the modal progress dialog, and keeps the wire
// log of the last session ("LastSession.log" in the application directory) for support.
class SessionLauncher {
  public:
    SessionLauncher(AppConfig& config, const TextSource& texts, QWidget* window);

    // A fixed link (the command line's --link) instead of asking.
    void SetLinkOverride(std::optional<LinkTarget> link) { linkOverride_ = std::move(link); }
    void SetAnswers(QtSessionUi::Answers answers) { answers_ = std::move(answers); }

    // The link for the next session, or nothing when the user cancelled.
    std::optional<LinkTarget> ChooseLink();
    // The link dialog (also the File menu's command): false when cancelled. A serial port or
    // network address chosen there is used for the sessions of this run.
    bool ChooseLinkWay();
    struct Outcome {
        SessionState state = SessionState::Idle;
        SessionResult result;
    };
    Outcome Run(SessionRequest request);

  private:
    AppConfig& config_;
    const TextSource& texts_;
    QWidget* window_;
    std::optional<LinkTarget> linkOverride_;
    std::optional<LinkTarget> chosenLink_;  // a serial port or network address from the dialog
    QtSessionUi::Answers answers_ = QtSessionUi::MessageBoxes();
};

}  // namespace vitalis
