#pragma once

#include <memory>

#include "shell/AppConfig.h"
#include "shell/LanguageTable.h"

namespace vitalis {

// The two objects that live for the whole run of the workstation: its language table and
// its configuration. Everything else is owned by someone; these two are reached from here.
// Tests make their own and pass them where they are needed.

// The language table of the process.
LanguageTable& Languages();

// The configuration of the process. Until the application installs one, a Heron
// configuration on the process's language table serves.
AppConfig& Config();
// Makes config the configuration of the process; the one before it is destroyed first.
AppConfig& InstallConfig(std::unique_ptr<AppConfig> config);

}  // namespace vitalis
