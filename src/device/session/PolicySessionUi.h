#pragma once

#include <functional>
#include <mutex>
#include <vector>

#include "device/session/SessionUi.h"

namespace vitalis {

// Answers without asking anyone: Retry a fixed number of times, then Cancel; Yes or No as
// configured. Every message and question is passed to the sink (the command line prints
// them) and kept.
class PolicySessionUi final : public SessionUi {
  public:
    using Sink = std::function<void(const UiMessage&)>;
    explicit PolicySessionUi(int retries = 0, bool answerYes = false, Sink sink = {});

    void ShowMessage(const UiMessage& message) override;
    bool AskRetry(const UiMessage& message) override;
    bool AskYesNo(const UiMessage& message) override;

    std::vector<UiMessage> Seen() const;
    int RetriesGiven() const;

  private:
    void Note(const UiMessage& message);

    mutable std::mutex mutex_;
    int retriesLeft_;
    int retriesGiven_ = 0;
    bool answerYes_;
    Sink sink_;
    std::vector<UiMessage> seen_;
};

}  // namespace vitalis
