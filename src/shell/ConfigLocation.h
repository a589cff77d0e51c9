#pragma once

#include <string>

namespace vitalis {

// Where "VurConfig.ini" lives. Beside the program, unless the user's settings folder
// ($XDG_CONFIG_HOME, else ~/.config, then "Vitalis") holds one: that one is read first. Settings
// go there too when the program folder cannot be written, so a read-only installation keeps
// them per user instead of losing them.
std::string ProgramConfigPath(const std::string& applicationDirectory);
// Empty when the environment names no home.
std::string UserConfigPath();

// The file settings are read from.
std::string ConfigReadPath(const std::string& applicationDirectory);
// The file a save writes. A first save into the user's folder starts from a copy of the
// program folder's file, so the settings the program was shipped with are kept.
std::string ConfigWritePath(const std::string& applicationDirectory);

}  // namespace vitalis
