#pragma once

#include <string>

namespace vitalis {

// The folder through which the report program receives its pages, in the application
// directory. It lives only while a report is being made.
std::string ReportHandOffFolder(const std::string& applicationDirectory);

// Removes the folder with everything in it; true when it is gone afterwards.
bool RemoveReportHandOffFolder(const std::string& applicationDirectory);

}  // namespace vitalis
