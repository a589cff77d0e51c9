#pragma once

#include <QDialog>
#include <QTimer>

#include "case/TextSource.h"
#include "device/session/SessionProgress.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace vitalis {

class SessionWorker;

// Shows a running download or upload. It polls the shared progress every 20 ms, raises the
// start flag once it shows, and closes when the session ends (state 3) or after half a
// second on the saved progress (state 4). Cancel asks the worker to stop; the dialog then
// closes when the worker reports the end, so no case file is left half written.
class SessionProgressDialog : public QDialog {
    Q_OBJECT

  public:
    SessionProgressDialog(SessionProgress& progress, SessionWorker& worker, const TextSource& texts,
                          QWidget* parent = nullptr);

    SessionState finalState() const { return finalState_; }
    QProgressBar* bar() const { return bar_; }
    QLabel* readingsLabel() const { return readings_; }
    QPushButton* cancelButton() const { return cancel_; }
    void reject() override;  // Escape and the close button cancel like the Cancel button

  private:
    void Poll();
    void ShowProgress(const ProgressSnapshot& now);

    SessionProgress& progress_;
    const TextSource& texts_;
    SessionWorker& worker_;
    QTimer timer_;
    QLabel* status_ = nullptr;
    QLabel* readings_ = nullptr;  // "Reading 47 of 138"
    QProgressBar* bar_ = nullptr;
    QPushButton* cancel_ = nullptr;
    SessionState finalState_ = SessionState::Idle;
    bool closing_ = false;
};

}  // namespace vitalis
