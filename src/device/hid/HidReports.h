#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vitalis {

// A message over USB HID travels in consecutive reports of R bytes: byte 0 is the report ID
// (always 0 for these monitors), bytes 1 to R-1 carry the next R-1 message bytes, and the
// unused tail of the last report is zero.

// Reports needed for a message of n bytes; 0 when R cannot carry anything.
size_t ReportCount(size_t messageLength, size_t reportLength);

// Report number `index` of the message, R bytes.
std::vector<uint8_t> BuildReport(std::span<const uint8_t> message, size_t index,
                                 size_t reportLength);

// Copies the message bytes that report number `index` carries (from byte 1 of the report)
// into their places in the message; never past the end of either.
void PlaceReport(std::span<const uint8_t> report, size_t index, size_t reportLength,
                 std::span<uint8_t> message);

}  // namespace vitalis
