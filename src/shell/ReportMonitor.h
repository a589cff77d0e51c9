#pragma once

#include <string>

namespace vitalis {

// The monitor a case was recorded with, as the report's header names it: the monitor type
// the case file stores and, when the download stored the monitor's own address, that address
// as its serial ("Heron 001A7DDA7113"). Empty when the case file names no monitor (older
// files keep only a fixed address by generation, which says nothing about the monitor).
std::string ReportMonitorOfCase(const std::string& casePath);

// The same for the case the workstation handed to the report program: the one named by
// "CasePath" in "Cnf.start" of the application directory.
std::string ReportMonitorOfHandOff(const std::string& applicationDirectory);

}  // namespace vitalis
