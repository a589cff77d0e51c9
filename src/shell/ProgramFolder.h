#pragma once

#include <string>

namespace vitalis {

// The folder of the running program, without a trailing "/". The workstation keeps its
// settings, language files and pictures there; a build tree is laid out the same way.
// When the program file cannot be found, the current folder stands in.
std::string RunningProgramFolder();

}  // namespace vitalis
