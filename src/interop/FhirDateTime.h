#pragma once

#include <optional>
#include <string>

#include "case/CalendarTime.h"

namespace vitalis::fhir {

// A reading's clock time as a FHIR dateTime, "2026-03-01T08:15:00+01:00": the monitor keeps
// local time, so the offset is the one this computer's time zone has at that date and time.
// Nothing for a clock time that is not a real date and time.
std::optional<std::string> LocalDateTime(const ClockTime& time);

// Minutes east of UTC of the local time zone at that local date and time.
int LocalOffsetMinutes(const ClockTime& time);

}  // namespace vitalis::fhir
