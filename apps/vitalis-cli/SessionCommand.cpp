#include "SessionCommand.h"

#include <charconv>
#include <iostream>

#include "device/session/PolicySessionUi.h"
#include "device/session/SessionMessages.h"
#include "shell/ProgramFolder.h"
#ifdef VITALIS_HAS_OS_LINKS
#include "device/os/LoggedSystemPlatform.h"
#endif

namespace vitalis::cli {
namespace {

std::optional<int> Count(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0 || value > 1000)
        return std::nullopt;
    return value;
}

}  // namespace

bool TakeSessionOption(const Arguments& args, size_t& i, SessionOptions& options, bool& haveLink,
                       std::string& error) {
    const std::string& arg = args[i];
    if (arg != "--link" && arg != "--log" && arg != "--retries" && arg != "--app-dir") return false;
    if (i + 1 >= args.size()) {
        error = arg + " needs a value";
        return true;
    }
    const std::string& value = args[++i];
    if (arg == "--link") {
        const auto target = ParseLinkTarget(value);
        if (!target)
            error = "not a link: " + value;
        else
            options.link = *target, haveLink = true;
    } else if (arg == "--log") {
        options.logPath = value;
    } else if (arg == "--retries") {
        const auto retries = Count(value);
        if (!retries)
            error = "--retries takes a number from 0 to 1000";
        else
            options.retries = *retries;
    } else {
        options.appDir = value;
    }
    return true;
}

SessionSetting::SessionSetting(const std::string& appDir)
    : languages_(appDir.empty() ? RunningProgramFolder() : appDir), config_(languages_) {
    config_.SetApplicationDirectory(appDir);
    config_.SetMessageSink(messages_);
    config_.Load();
    languages_.LoadLanguage();
}

void SessionSetting::ErrorOutput::ShowMessage(std::string_view text) {
    std::string line(text);
    for (size_t at = line.find("\r\n"); at != std::string::npos; at = line.find("\r\n", at))
        line.replace(at, 2, " ");
    std::cerr << line << std::endl;
}

std::optional<SessionResult> RunCliSession(const SessionOptions& options, SessionRequest request,
                                           const TextSource& texts, SessionState& endState) {
#ifdef VITALIS_HAS_OS_LINKS
    LoggedSystemPlatform links(options.logPath);
    if (!options.logPath.empty() && !links.logging()) {
        std::cerr << "vitalis-cli: cannot write the log " << options.logPath << '\n';
        return std::nullopt;
    }
    LinkPlatform& platform = links.platform();
    PolicySessionUi ui(options.retries, true, [&texts](const UiMessage& message) {
        std::string text = MessageText(message, texts);
        for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
            text.erase(at, 1);
        std::cerr << text << std::endl;
    });
    SessionProgress progress;
    SessionWorker worker({platform, ui, texts, progress});
    // Nothing shows progress here: the session may begin at once.
    progress.RaiseStartFlag();
    request.target = options.link;
    SessionResult result = worker.Run(request);
    links.Note(SessionEndNote(result));
    endState = progress.State();
    return result;
#else
    (void)options, (void)request, (void)texts, (void)endState;
    std::cerr << "vitalis-cli: this build has no serial, USB or Bluetooth support\n";
    return std::nullopt;
#endif
}

}  // namespace vitalis::cli
