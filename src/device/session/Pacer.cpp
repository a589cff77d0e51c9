#include "device/session/Pacer.h"

#include <algorithm>

namespace vitalis {

bool Pacer::Pause(std::chrono::milliseconds duration) {
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, duration, [this] { return cancelled_; });
    return !cancelled_;
}

void Pacer::Cancel() {
    std::lock_guard lock(mutex_);
    cancelled_ = true;
    // Under the lock, so that no watched line can be released and destroyed meanwhile.
    for (Cancellable* line : watched_) line->Cancel();
    wake_.notify_all();
}

bool Pacer::IsCancelled() const {
    std::lock_guard lock(mutex_);
    return cancelled_;
}

Pacer::Watch Pacer::Observe(Cancellable& line) {
    std::lock_guard lock(mutex_);
    watched_.push_back(&line);
    if (cancelled_) line.Cancel();
    return Watch(this, &line);
}

void Pacer::Forget(Cancellable* line) {
    std::lock_guard lock(mutex_);
    const auto it = std::find(watched_.begin(), watched_.end(), line);
    if (it != watched_.end()) watched_.erase(it);
}

Pacer::Watch::Watch(Watch&& other) noexcept : pacer_(other.pacer_), line_(other.line_) {
    other.pacer_ = nullptr;
    other.line_ = nullptr;
}

Pacer::Watch& Pacer::Watch::operator=(Watch&& other) noexcept {
    if (this != &other) {
        Release();
        pacer_ = other.pacer_;
        line_ = other.line_;
        other.pacer_ = nullptr;
        other.line_ = nullptr;
    }
    return *this;
}

void Pacer::Watch::Release() {
    if (pacer_ != nullptr) pacer_->Forget(line_);
    pacer_ = nullptr;
    line_ = nullptr;
}

}  // namespace vitalis
