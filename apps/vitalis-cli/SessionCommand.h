#pragma once

#include <memory>
#include <optional>
#include <string>

#include "Commands.h"
#include "device/link/LinkTarget.h"
#include "device/session/SessionWorker.h"
#include "shell/AppConfig.h"
#include "shell/LanguageTable.h"

namespace vitalis::cli {

// The options download and upload share.
struct SessionOptions {
    LinkTarget link;
    std::string logPath;
    int retries = 0;
    std::string appDir;  // where VurConfig.ini and Language/ are; the program's folder if empty
};

// Takes a shared option at args[i] (moving i past its value). Nothing when args[i] is not
// one of them; an error text in `error` when it is but its value is bad.
bool TakeSessionOption(const Arguments& args, size_t& i, SessionOptions& options, bool& haveLink,
                       std::string& error);

// The configuration and texts of the application folder, loaded.
class SessionSetting {
  public:
    explicit SessionSetting(const std::string& appDir);
    AppConfig& config() { return config_; }
    LanguageTable& texts() { return languages_; }

  private:
    // What the settings have to say goes to the error output.
    class ErrorOutput final : public MessageSink {
      public:
        void ShowMessage(std::string_view text) override;
    };

    ErrorOutput messages_;
    LanguageTable languages_;
    AppConfigHeron config_;
};

// Runs a session on this thread: questions answered by policy (Retry the given number of
// times, then Cancel; Yes), messages in the current language on stderr. Nothing when the
// build has no way to the devices.
std::optional<SessionResult> RunCliSession(const SessionOptions& options, SessionRequest request,
                                           const TextSource& texts, SessionState& endState);

}  // namespace vitalis::cli
