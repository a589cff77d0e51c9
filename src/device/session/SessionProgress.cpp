#include "device/session/SessionProgress.h"

#include <algorithm>

namespace vitalis {

ProgressSnapshot SessionProgress::Snapshot() const {
    std::lock_guard lock(mutex_);
    return {progress_, state_, status_, readingsReceived_, readingsAnnounced_};
}

void SessionProgress::SetReadings(int received, int announced, int from, int to) {
    std::lock_guard lock(mutex_);
    readingsReceived_ = std::max(received, 0);
    readingsAnnounced_ = std::max(announced, 0);
    if (readingsAnnounced_ == 0) return;
    const long long done = std::min(readingsReceived_, readingsAnnounced_);
    progress_ =
        std::clamp(from + static_cast<int>((to - from) * done / readingsAnnounced_), 0, 100);
}

void SessionProgress::SetProgress(int progress) {
    std::lock_guard lock(mutex_);
    progress_ = std::clamp(progress, 0, 100);
}

void SessionProgress::AdvanceBelow(int limit, int step) {
    std::lock_guard lock(mutex_);
    if (progress_ < limit) progress_ = std::min(progress_ + step, 100);
}

void SessionProgress::SetState(SessionState state) {
    std::lock_guard lock(mutex_);
    state_ = state;
}

void SessionProgress::SetStatus(std::string text) {
    std::lock_guard lock(mutex_);
    status_ = std::move(text);
}

void SessionProgress::Set(int progress, SessionState state) {
    std::lock_guard lock(mutex_);
    progress_ = std::clamp(progress, 0, 100);
    state_ = state;
}

int SessionProgress::Progress() const {
    std::lock_guard lock(mutex_);
    return progress_;
}

SessionState SessionProgress::State() const {
    std::lock_guard lock(mutex_);
    return state_;
}

void SessionProgress::RaiseStartFlag() {
    std::lock_guard lock(mutex_);
    startFlag_ = true;
}

bool SessionProgress::StartFlag() const {
    std::lock_guard lock(mutex_);
    return startFlag_;
}

bool SessionProgress::AwaitStart(Pacer& pacer, std::chrono::milliseconds poll,
                                 std::chrono::milliseconds settle) {
    while (!StartFlag()) {
        if (!pacer.Pause(poll)) return false;
    }
    if (!pacer.Pause(settle)) return false;
    std::lock_guard lock(mutex_);
    startFlag_ = false;
    return true;
}

}  // namespace vitalis
