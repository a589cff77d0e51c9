#pragma once

#include <memory>
#include <string>

#include "device/link/WireLog.h"
#include "device/link/WireLogPlatform.h"
#include "device/os/SystemLinkPlatform.h"

namespace vitalis {

// This machine's links for one session, every byte of them written to a wire log when a log
// path is given.
class LoggedSystemPlatform {
  public:
    // fresh: the log starts empty instead of being extended.
    explicit LoggedSystemPlatform(const std::string& logPath = {}, bool fresh = false);

    // False when a log was asked for but its file cannot be written.
    bool logging() const { return logged_ != nullptr; }
    LinkPlatform& platform();
    // A line of the session's own in the log (nothing without a log or for an empty text).
    void Note(std::string_view text);

  private:
    SystemLinkPlatform system_;
    std::unique_ptr<WireLog> log_;
    std::unique_ptr<WireLogPlatform> logged_;
};

}  // namespace vitalis
