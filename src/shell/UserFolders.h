#pragma once

#include <string>

namespace vitalis {

// The user's folders by the XDG base-directory rule: the variable's value when it is an
// absolute path, else the folder under $HOME. A relative value is invalid by the rule and is
// ignored, never taken from the current folder. Empty when the environment names neither.
std::string UserDataFolder();    // $XDG_DATA_HOME, else $HOME/.local/share
std::string UserConfigFolder();  // $XDG_CONFIG_HOME, else $HOME/.config

}  // namespace vitalis
