#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "case/CalendarTime.h"
#include "device/session/UploadSettings.h"

namespace vitalis {

inline constexpr size_t kUploadBlockLength = 70;
using UploadBlock = std::array<uint8_t, kUploadBlockLength>;

// Which period the first measurement falls in: 3 special, 2 asleep, 1 awake. t, the asleep
// start, the awake start and the special start and end are minutes of the day; a special
// start or end below 0 means there is no special period. An asleep period that starts
// later in the day than the awake one runs over midnight; so may a special period.
int FirstMeasurementPeriod(int t, int asleepStart, int awakeStart, int specialStart,
                           int specialEnd);

// The Heron programming block: patient, the computer's clock, the first measurement five
// minutes after it (seconds dropped), the schedule and the period of that first
// measurement. Nothing when a value cannot be sent (a time of day or an interval out of
// range, a clock outside the years a monitor counts).
std::optional<UploadBlock> BuildHeronUploadBlock(const UploadSettings& settings,
                                                 const LocalTime& now);

// The HID-generation settings block as written by an upload (before packing).
std::optional<UploadBlock> BuildHidUploadBlock(const UploadSettings& settings,
                                               const LocalTime& now);

}  // namespace vitalis
