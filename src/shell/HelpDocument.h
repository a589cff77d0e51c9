#pragma once

#include <string>

namespace vitalis {

// The user guide for the interface language: "<application directory>/res/Help/<name>.html",
// where the name is "Chinese" for the two Chinese interfaces and "English" for every other.
std::string HelpDocumentPath(const std::string& applicationDirectory, const std::string& language);

}  // namespace vitalis
