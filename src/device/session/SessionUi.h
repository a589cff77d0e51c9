#pragma once

#include <string>

namespace vitalis {

enum class UiIcon { Information, Warning, Error };

// A message by language key, with text to show after the key's text (paths, details).
struct UiMessage {
    std::string section;
    std::string key;
    std::string detail;
    UiIcon icon = UiIcon::Information;
};

// The questions a session asks while it runs on its worker thread. The workstation answers
// on its UI thread (the worker waits for the answer); the command line answers by policy.
class SessionUi {
  public:
    virtual ~SessionUi() = default;
    virtual void ShowMessage(const UiMessage& message) = 0;
    // True for Retry, false for Cancel.
    virtual bool AskRetry(const UiMessage& message) = 0;
    // True for Yes, false for No.
    virtual bool AskYesNo(const UiMessage& message) = 0;
};

}  // namespace vitalis
