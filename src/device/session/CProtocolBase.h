#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "case/CalendarTime.h"
#include "case/TextSource.h"
#include "device/link/CDeviceLink.h"
#include "device/session/DeviceIdentity.h"
#include "device/session/Pacer.h"
#include "device/session/SessionProgress.h"
#include "device/session/SessionUi.h"
#include "device/session/UploadSettings.h"

namespace vitalis {

// A recording never holds more readings than this (a week at one a minute is about 10,000),
// so a count a monitor announces beyond it is taken as garbage rather than waited for.
inline constexpr int kMaxSessionReadings = 20000;

// What one session of a protocol object works with. Everything is borrowed from the
// session, which outlives the protocol object.
struct ProtocolContext {
    CDeviceLink& link;
    Pacer& pacer;
    SessionUi& ui;
    const TextSource& texts;
    SessionProgress& progress;
    DeviceIdentity identity;
    std::string caseFolder;
    // The computer's clock, for file names and the clock an upload sets.
    std::function<LocalTime()> clock = [] { return Now(); };
};

// What a session produced, for whoever started it.
struct SessionResult {
    std::vector<std::string> savedPaths;  // case files written, in order
    bool acknowledged = false;            // an upload: the monitor took every byte
    bool cancelled = false;               // the user cancelled; nothing was saved
    int skippedReadings = 0;              // readings left out for want of a valid date
};

// What the wire log keeps of how a session ended; empty when there is nothing to keep.
std::string SessionEndNote(const SessionResult& result);

// A monitor protocol for one session over one channel. Download and Upload run on the
// session's worker thread and report through the shared progress and the session UI; the
// base class does nothing and reports success.
class CProtocolBase {
  public:
    explicit CProtocolBase(ProtocolContext context);
    virtual ~CProtocolBase() = default;
    CProtocolBase(const CProtocolBase&) = delete;
    CProtocolBase& operator=(const CProtocolBase&) = delete;

    // True when a case file was written.
    virtual bool Download() { return true; }
    // True when the session ended; Result().acknowledged says whether the monitor took it.
    virtual bool Upload() { return true; }
    virtual void SetUploadSettings(const UploadSettings& settings) { upload_ = settings; }

    const SessionResult& Result() const { return result_; }
    const UploadSettings& uploadSettings() const { return upload_; }

  protected:
    using ms = std::chrono::milliseconds;
    enum class Side { Up, Down };

    std::string Text(const char* section, const char* key) const;
    // Messages go to the user unless the user cancelled: then the session stays silent, as
    // whoever cancelled already knows.
    void Show(const char* section, const char* key, std::string detail = {},
              UiIcon icon = UiIcon::Information);
    void SetStatus(const char* section, const char* key, const char* moreSection = nullptr,
                   const char* moreKey = nullptr);
    bool Cancelled() const { return context_.pacer.IsCancelled(); }
    // Waits; false when the session was cancelled meanwhile.
    bool Pause(ms duration) { return context_.pacer.Pause(duration); }

    // Opens one side, asking Retry/Cancel with the message after each failure (state 2 while
    // the question is open); a retry waits a second first. False when the user cancels, which
    // cancels the session: it then ends as cancelled, not as a failure.
    bool OpenWithRetry(Side side, const UiMessage& question);
    void Close(Side side);
    // The start of every upload: opens the upload side (asking Retry/Cancel) and shows that
    // the upload runs. False when the monitor was not reached; the session has then ended.
    bool BeginUpload();
    // The end of a failed session: state 3 and the message (none after a cancel).
    bool Fail(const char* section, const char* key, std::string detail = {},
              UiIcon icon = UiIcon::Warning);
    // The message for a case file that could not be written, by the cause the last write
    // of this thread met: a full disk is not a folder that refuses writing.
    static const char* FileFailureKey();
    // The end of a cancelled session: state 3, the status says so, nothing is shown.
    bool EndCancelled();

    // Reads exactly buffer.size() bytes; false on a short or failed read.
    bool ReadAll(Side side, std::span<uint8_t> buffer);
    bool Write(Side side, std::span<const uint8_t> data);

    ProtocolContext context_;
    UploadSettings upload_;
    SessionResult result_;
};

}  // namespace vitalis
