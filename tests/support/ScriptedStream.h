#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "device/link/ByteStream.h"
#include "device/link/WireLog.h"

namespace vitalis {

// A byte line whose far end follows a script, for tests. It never waits: a read takes what
// the far end has sent so far and "times out" at once on the rest, so tests run at full
// speed while every timeout path is still taken.
class ScriptedStream final : public ByteStream {
  public:
    using Bytes = std::vector<uint8_t>;
    // The far end as a function of each write (a simulated monitor); used once the script
    // has run out.
    using Responder = std::function<Bytes(std::span<const uint8_t> written)>;

    explicit ScriptedStream(std::string name = "scripted");

    // Once the workstation has written `expect` (over any number of writes), the far end
    // sends `reply`. Steps run in order; a write that differs stops the script.
    ScriptedStream& Expect(Bytes expect, Bytes reply = {});
    // Bytes the far end sends before anything is written.
    ScriptedStream& Send(const Bytes& bytes);
    void SetResponder(Responder responder) { responder_ = std::move(responder); }
    // The line goes away: every later read and write fails.
    void Vanish() { vanished_ = true; }
    // The line vanishes after the far end has sent this many more bytes.
    void VanishAfterSending(size_t bytes) { vanishAfter_ = bytes; }

    const Bytes& Written() const { return written_; }
    bool ScriptDone() const { return step_ == script_.size() && !mismatch_; }
    bool Mismatched() const { return mismatch_; }
    size_t Pending() const { return inbox_.size(); }
    size_t ReadCalls() const { return readCalls_; }
    size_t ShortReads() const { return shortReads_; }
    bool WasClosed() const { return closed_; }
    StreamTimeouts LastTimeouts() const { return timeouts_; }

    bool IsOpen() const override { return !closed_ && !vanished_; }
    StreamResult Read(std::span<uint8_t> buffer) override;
    StreamResult Write(std::span<const uint8_t> data) override;
    void Close() override { closed_ = true; }
    void Cancel() override { cancelled_ = true; }
    void SetTimeouts(const StreamTimeouts& timeouts) override { timeouts_ = timeouts; }
    StreamTimeouts Timeouts() const override { return timeouts_; }
    std::string_view Name() const override { return name_; }

  private:
    struct Step {
        Bytes expect;
        Bytes reply;
    };
    void Queue(std::span<const uint8_t> bytes);
    void RunScript();

    std::string name_;
    std::vector<Step> script_;
    size_t step_ = 0;
    bool mismatch_ = false;
    Bytes pendingWrite_;
    Bytes written_;
    std::deque<uint8_t> inbox_;
    Responder responder_;
    StreamTimeouts timeouts_{};
    std::atomic<bool> cancelled_{false};
    bool closed_ = false;
    bool vanished_ = false;
    size_t vanishAfter_ = SIZE_MAX;
    size_t readCalls_ = 0;
    size_t shortReads_ = 0;
};

// A line that plays back what one line of a wire log received, in answer to what it sent:
// a real monitor's conversation replayed in a test. Transfers of other lines are left out.
std::unique_ptr<ScriptedStream> ReplayWireLog(const std::vector<WireLogEntry>& entries,
                                              std::string_view line);

}  // namespace vitalis
