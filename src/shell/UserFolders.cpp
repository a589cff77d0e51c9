#include "shell/UserFolders.h"

#include <cstdlib>

namespace vitalis {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

std::string BaseFolder(const char* variable, const char* underHome) {
    const std::string named = Environment(variable);
    if (!named.empty() && named.front() == '/') return named;
    const std::string home = Environment("HOME");
    if (home.empty()) return {};
    return home + underHome;
}

}  // namespace

std::string UserDataFolder() {
    return BaseFolder("XDG_DATA_HOME", "/.local/share");
}

std::string UserConfigFolder() {
    return BaseFolder("XDG_CONFIG_HOME", "/.config");
}

}  // namespace vitalis
