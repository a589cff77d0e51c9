#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "device/link/ByteStream.h"

namespace vitalis {

// The waits of one session and the way to stop them. The handshakes pause between a command
// and its reply; a pause ends early when the session is cancelled, and so does every read or
// write of the lines the session watches. Tests replace Pause to run without waiting.
class Pacer {
  public:
    Pacer() = default;
    virtual ~Pacer() = default;
    Pacer(const Pacer&) = delete;
    Pacer& operator=(const Pacer&) = delete;

    // Waits the given time; false, at once, when the session is (or gets) cancelled.
    virtual bool Pause(std::chrono::milliseconds duration);

    // Any thread: ends the pauses and cancels every watched line, now and later.
    void Cancel();
    bool IsCancelled() const;

    // Keeps a line watched for as long as it lives; destroy it before the line.
    class Watch {
      public:
        Watch() = default;
        Watch(Pacer* pacer, Cancellable* line) : pacer_(pacer), line_(line) {}
        Watch(Watch&& other) noexcept;
        Watch& operator=(Watch&& other) noexcept;
        ~Watch() { Release(); }
        void Release();

      private:
        Pacer* pacer_ = nullptr;
        Cancellable* line_ = nullptr;
    };
    [[nodiscard]] Watch Observe(Cancellable& line);

  private:
    void Forget(Cancellable* line);

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool cancelled_ = false;
    std::vector<Cancellable*> watched_;
};

}  // namespace vitalis
