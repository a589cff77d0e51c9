#include "device/session/PolicySessionUi.h"

namespace vitalis {

PolicySessionUi::PolicySessionUi(int retries, bool answerYes, Sink sink)
    : retriesLeft_(retries), answerYes_(answerYes), sink_(std::move(sink)) {}

void PolicySessionUi::Note(const UiMessage& message) {
    std::lock_guard lock(mutex_);
    seen_.push_back(message);
    if (sink_) sink_(message);
}

void PolicySessionUi::ShowMessage(const UiMessage& message) {
    Note(message);
}

bool PolicySessionUi::AskRetry(const UiMessage& message) {
    Note(message);
    std::lock_guard lock(mutex_);
    if (retriesLeft_ <= 0) return false;
    --retriesLeft_;
    ++retriesGiven_;
    return true;
}

bool PolicySessionUi::AskYesNo(const UiMessage& message) {
    Note(message);
    return answerYes_;
}

std::vector<UiMessage> PolicySessionUi::Seen() const {
    std::lock_guard lock(mutex_);
    return seen_;
}

int PolicySessionUi::RetriesGiven() const {
    std::lock_guard lock(mutex_);
    return retriesGiven_;
}

}  // namespace vitalis
