#pragma once

#include <nlohmann/json.hpp>

#include "case/Period.h"
#include "case/Recording.h"

namespace vitalis::cli {

using Json = nlohmann::ordered_json;

// The member name of a period: "whole", "awake" or "asleep".
const char* PeriodKey(Period period);

Json DateJson(const CalendarDate& date);  // [y, m, d]
Json ClockJson(const ClockTime& time);
Json MeasurementJson(const Measurement& m);
// Every field of the recording under its own name, and its readings ("measurements").
Json RecordingJson(const Recording& recording);
Json MeasurementsJson(const Recording& recording);

}  // namespace vitalis::cli
