#pragma once

#include <chrono>
#include <mutex>
#include <string>

#include "device/session/Pacer.h"

namespace vitalis {

// Where a session stands: 0 idle, 1 running, 2 waiting for the user's Retry/Cancel answer,
// 3 ended (a failure, a cancel, or the end of an upload), 4 a download was saved.
enum class SessionState : int { Idle = 0, Running = 1, AwaitingRetry = 2, Ended = 3, Saved = 4 };

// One reading of the shared values, taken under the lock.
struct ProgressSnapshot {
    int progress = 0;  // 0 to 100
    SessionState state = SessionState::Idle;
    std::string statusText;
    int readingsReceived = 0;   // of a download, so far
    int readingsAnnounced = 0;  // what the monitor said it holds; 0 until it says
};

// The values the session worker and the progress dialog share: the progress, the session
// state, the status text and the start flag, all under one mutex. The worker writes; the
// dialog polls Snapshot() on its timer and raises the start flag once it is ready to show
// progress, so that nothing the worker reports is missed.
class SessionProgress {
  public:
    ProgressSnapshot Snapshot() const;

    void SetProgress(int progress);
    // Adds step while the progress is below limit; the result never passes 100.
    void AdvanceBelow(int limit, int step);
    void SetState(SessionState state);
    void SetStatus(std::string text);
    // A download's readings so far and the number announced: the progress moves with them,
    // from `from` percent at none to `to` percent at all of them. Without an announced
    // number the counts are kept and the progress stays where it is.
    void SetReadings(int received, int announced, int from = 0, int to = 100);
    // Progress and state in one step, so a poll never sees one without the other.
    void Set(int progress, SessionState state);

    int Progress() const;
    SessionState State() const;

    // The dialog (or whoever shows the progress) says it is ready.
    void RaiseStartFlag();
    bool StartFlag() const;
    // The worker waits for the start flag, looking every `poll`, then waits `settle` more
    // and lowers it again. False when the pacer was cancelled first.
    bool AwaitStart(Pacer& pacer, std::chrono::milliseconds poll = std::chrono::milliseconds(5),
                    std::chrono::milliseconds settle = std::chrono::milliseconds(5));

  private:
    mutable std::mutex mutex_;
    int progress_ = 0;
    SessionState state_ = SessionState::Idle;
    std::string status_;
    int readingsReceived_ = 0;
    int readingsAnnounced_ = 0;
    bool startFlag_ = false;
};

}  // namespace vitalis
