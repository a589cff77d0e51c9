#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "case/CalendarTime.h"

namespace vitalis {

class ProfileStore;

// The audit trail of a case file: one line per saved change in the section "HISTORY", keys
// "1", "2", … in the order they were written. Readers that do not know the section skip it.
inline constexpr std::string_view kHistorySection = "HISTORY";

// Who saved and when, as every line of one save records it.
struct HistoryStamp {
    LocalTime time;
    std::string user;
};
// The computer's local time and the operating system's name of the user running the program.
HistoryStamp CurrentHistoryStamp();
std::string OperatingSystemUser();

// "2026-12-07 08:30:05  jdoe  excluded reading 12"
std::string HistoryLine(const HistoryStamp& stamp, std::string_view change);

// Appends the lines after the last one the file holds. Part of the caller's write: nothing
// reaches the file until the store's batch ends.
bool AppendHistory(ProfileStore& store, const std::vector<std::string>& lines);
// Every line of a case file's history, oldest first; empty when it has none.
std::vector<std::string> ReadHistory(const std::string& casePath);

}  // namespace vitalis
