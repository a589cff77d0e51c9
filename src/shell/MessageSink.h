#pragma once

#include <string_view>

namespace vitalis {

// Where the settings logic sends a message the user must see. The workstation shows each one
// in a message box captioned with the application title; tools and tests collect them.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(std::string_view text) = 0;
};

// Drops every message: for callers that have nobody to tell.
class SilentMessages final : public MessageSink {
  public:
    void ShowMessage(std::string_view) override {}
};

}  // namespace vitalis
