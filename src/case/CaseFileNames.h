#pragma once

#include <string>

#include "case/CalendarTime.h"

namespace vitalis {

// Names of new case files in a folder.

// "<folder>/YYMMDDhhmm.awp" from the test begin: two-digit year, month, day, hour, minute.
std::string CaseNameFromTestBegin(const std::string& folder, const ClockTime& begin);

// "<folder>/YYYYMMDDhhmmss.awp" from the computer's clock.
std::string CaseNameFromClock(const std::string& folder, const LocalTime& now);

// "<folder>/YYMMDDhhmmss.awp" from the computer's clock: two-digit year.
std::string ShortCaseNameFromClock(const std::string& folder, const LocalTime& now);

// The path itself when no file has it yet; otherwise the first of "<stem>_2.awp",
// "<stem>_3.awp", ... that is free. A download of a recording that is already filed then
// goes beside the clinician's file instead of over it.
std::string UnusedCaseName(const std::string& path);

// "<folder>/<name>" without a doubled separator.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace vitalis
