#pragma once

#include <string>

#include "case/TextSource.h"

namespace vitalis {

class AppConfig;

// Why the folder cannot be the case folder, as the message the user reads; empty when it can.
// A folder must be a full path, and case files must be writable below it. The folder is
// created when missing, so a folder that is accepted exists afterwards.
std::string CaseFolderRefusal(const std::string& folder, const TextSource& texts);

// Stores the folder the user chose: the default folder as "use the default" (so it follows
// the default rule later), any other by its path.
void StoreCaseFolderChoice(AppConfig& config, const std::string& folder);

}  // namespace vitalis
