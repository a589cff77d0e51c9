#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "case/CalendarTime.h"
#include "case/TextSource.h"
#include "device/link/LinkPlatform.h"
#include "device/link/LinkTarget.h"
#include "device/link/LinkTiming.h"
#include "device/session/CProtocolBase.h"
#include "device/session/Pacer.h"
#include "device/session/SessionFactory.h"
#include "device/session/SessionProgress.h"
#include "device/session/SessionUi.h"
#include "device/session/UploadSettings.h"

namespace vitalis {

enum class SessionKind { Download, Upload };

// What to do, where, and with what.
struct SessionRequest {
    SessionKind kind = SessionKind::Download;
    LinkTarget target;
    std::string caseFolder;  // a download's case files go below it
    UploadSettings upload;   // what an upload programs
};

// What a session borrows from whoever starts it; all of it must outlive the worker.
struct SessionServices {
    LinkPlatform& platform;
    SessionUi& ui;
    const TextSource& texts;
    SessionProgress& progress;
    LinkTiming timing{};
    std::function<LocalTime()> clock = [] { return Now(); };
};

// The protocol object for the protocol identification found.
std::unique_ptr<CProtocolBase> MakeProtocol(ProtocolKind kind, ProtocolContext context);

// One download or upload on its own thread:
//
//   SessionProgress progress;                        // polled by the dialog every 20 ms
//   SessionWorker worker({platform, ui, texts, progress});
//   worker.Start({SessionKind::Download, target, caseFolder});
//   progress.RaiseStartFlag();                       // the dialog is ready
//   ... Snapshot() until the state is 3 or 4; worker.Cancel() on the Cancel button ...
//   worker.Join(); worker.Result().savedPaths
//
// The worker waits for the start flag, identifies the monitor (asking Retry/Cancel through
// the session UI while nothing answers), checks the device type and runs the protocol.
// Questions reach the session UI on the worker thread: the workstation answers them on its
// UI thread while the worker waits, so the UI thread must never wait for the worker while
// a question may be open (Cancel, then let the dialog's timer see state 3).
class SessionWorker {
  public:
    explicit SessionWorker(SessionServices services,
                           std::unique_ptr<Pacer> pacer = std::make_unique<Pacer>());
    // Cancels a session still running and waits for its thread.
    ~SessionWorker();
    SessionWorker(const SessionWorker&) = delete;
    SessionWorker& operator=(const SessionWorker&) = delete;

    // Starts the worker thread; false when a session is already running on this worker.
    bool Start(SessionRequest request);
    // Any thread, any time: the session stops at its next byte or wait, closes its channel
    // and writes nothing; it ends in state 3 with the cancelled status text.
    void Cancel();
    bool Running() const { return running_; }
    void Join();
    // The outcome; complete once the thread has ended.
    SessionResult Result() const;

    // The worker procedure on the calling thread (the command line and tests use it).
    SessionResult Run(const SessionRequest& request);

  private:
    SessionServices services_;
    std::unique_ptr<Pacer> pacer_;
    std::thread thread_;
    std::atomic<bool> running_{false};
    mutable std::mutex resultMutex_;
    SessionResult result_;
};

}  // namespace vitalis
