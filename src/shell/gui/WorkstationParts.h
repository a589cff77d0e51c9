#pragma once

#include <functional>
#include <unordered_map>

#include "ui/UserMessages.h"

namespace vitalis {

class AppConfig;
class CMainFrameHeron;
class CTensioDoc;
class CTensioView;
class LanguageTable;
class ReportLauncher;
class SessionLauncher;

// What the command families of the main window work on; the workstation owns all of it and
// outlives every family.
struct WorkstationParts {
    AppConfig& config;
    LanguageTable& languages;
    const UserMessages& messages;
    CTensioDoc& doc;
    CMainFrameHeron& frame;
    CTensioView& view;
    SessionLauncher& sessions;
    ReportLauncher& report;
};

// Command id to what it does: each family adds its own, one line per command.
using CommandMap = std::unordered_map<int, std::function<void()>>;

}  // namespace vitalis
