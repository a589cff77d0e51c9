#include "case/CaseFileNames.h"

#include <cstdio>

namespace vitalis {

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
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
