#pragma once

#include <string>

#include "case/TextSource.h"

namespace vitalis {

// The seven wearing instructions ("IDS_USER_INFO1" to "IDS_USER_INFO7", "Dialog Setting"),
// each followed by an empty line.
std::string WearInstructionsText(const TextSource& texts);

// The picture beside them: the Chinese one for the language named exactly "Chinese", the
// English one for every other language.
std::string WearPicturePath(const std::string& applicationDirectory, const std::string& language);

}  // namespace vitalis
