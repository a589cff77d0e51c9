#include "case/CaseFileNames.h"

#include <cstdio>

#include "case/FileAccess.h"

namespace vitalis {

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

std::string UnusedCaseName(const std::string& path) {
    if (!FileExists(path) && !IsDirectory(path)) return path;
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::string stem = hasExtension ? path.substr(0, dot) : path;
    const std::string extension = hasExtension ? path.substr(dot) : std::string();
    for (int n = 2;; ++n) {
        std::string candidate = stem + "_" + std::to_string(n) + extension;
        if (!FileExists(candidate) && !IsDirectory(candidate)) return candidate;
    }
}

std::string CaseNameFromTestBegin(const std::string& folder, const ClockTime& b) {
    char name[64];
    std::snprintf(name, sizeof name, "%02d%02d%02d%02d%02d.awp", b.year % 100, b.month, b.day,
                  b.hour, b.minute);
    return JoinPath(folder, name);
}

std::string CaseNameFromClock(const std::string& folder, const LocalTime& now) {
    const ClockTime& c = now.clock;
    char name[64];
    std::snprintf(name, sizeof name, "%04d%02d%02d%02d%02d%02d.awp", c.year, c.month, c.day, c.hour,
                  c.minute, now.second);
    return JoinPath(folder, name);
}

std::string ShortCaseNameFromClock(const std::string& folder, const LocalTime& now) {
    const ClockTime& c = now.clock;
    char name[64];
    std::snprintf(name, sizeof name, "%02d%02d%02d%02d%02d%02d.awp", c.year % 100, c.month, c.day,
                  c.hour, c.minute, now.second);
    return JoinPath(folder, name);
}

}  // namespace vitalis
