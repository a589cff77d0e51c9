#pragma once

#include <string>

namespace vitalis {

// The folder of the running program, without a trailing "/". The workstation keeps its
// settings, language files and pictures there; a build tree is laid out the same way.
// When the program file cannot be found, the current folder stands in.
std::string RunningProgramFolder();

// Where the program's own files (Language/, res/) lie for a program folder: the folder itself
// in a build tree or a portable copy, "../share/vitalis" beside an installed "bin/" folder.
// The folder itself when neither holds a "Language" folder.
std::string ProgramDataFolder(const std::string& programFolder);

}  // namespace vitalis
