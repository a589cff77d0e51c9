#include "device/os/LoggedSystemPlatform.h"

#include <cstdio>

namespace vitalis {

LoggedSystemPlatform::LoggedSystemPlatform(const std::string& logPath, bool fresh) {
    if (logPath.empty()) return;
    if (fresh) std::remove(logPath.c_str());
    log_ = WireLog::ToFile(logPath);
    if (log_) logged_ = std::make_unique<WireLogPlatform>(system_, *log_);
}

LinkPlatform& LoggedSystemPlatform::platform() {
    return logged_ ? static_cast<LinkPlatform&>(*logged_) : system_;
}

void LoggedSystemPlatform::Note(std::string_view text) {
    if (log_ && !text.empty()) log_->Note("session", text);
}

}  // namespace vitalis
