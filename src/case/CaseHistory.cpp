#include "case/CaseHistory.h"

#include <algorithm>
#include <cstdio>

#include "case/ProcessIdentity.h"
#include "case/ProfileStore.h"

namespace vitalis {
namespace {

// The number of a history key, or 0 when the key is not one.
int LineNumber(const std::string& key) {
    if (key.empty() || key.size() > 9) return 0;
    if (!std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; })) return 0;
    return std::stoi(key);
}

}  // namespace

std::string OperatingSystemUser() {
    const ProcessIdentity& process = ThisProcess();
    std::string name = process.AccountName();
    if (!name.empty()) return name;
    return "uid " + std::to_string(process.AccountNumber());
}

HistoryStamp CurrentHistoryStamp() {
    return {Now(), OperatingSystemUser()};
}

std::string HistoryLine(const HistoryStamp& stamp, std::string_view change) {
    const ClockTime& t = stamp.time.clock;
    char when[80];
    std::snprintf(when, sizeof when, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, stamp.time.second);
    return std::string(when) + "  " + stamp.user + "  " + std::string(change);
}

bool AppendHistory(ProfileStore& store, const std::vector<std::string>& lines) {
    int last = 0;
    for (const std::string& key : store.KeyNames(kHistorySection))
        last = std::max(last, LineNumber(key));
    bool written = true;
    for (const std::string& line : lines) {
        written = store.WriteString(kHistorySection, std::to_string(++last), line) && written;
    }
    return written;
}

std::vector<std::string> ReadHistory(const std::string& casePath) {
    const ProfileStore store(casePath, ProfileOpen::ExistingOnly);
    std::vector<std::pair<int, std::string>> numbered;
    for (const std::string& key : store.KeyNames(kHistorySection)) {
        if (const int number = LineNumber(key); number > 0) {
            numbered.emplace_back(number, store.GetString(kHistorySection, key, ""));
        }
    }
    std::sort(numbered.begin(), numbered.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> lines;
    for (auto& [number, line] : numbered) lines.push_back(std::move(line));
    return lines;
}

}  // namespace vitalis
