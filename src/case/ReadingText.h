#pragma once

#include <string>
#include <string_view>

#include "case/CalendarTime.h"
#include "case/Measurement.h"

namespace vitalis {

// The reading texts of a case file: upper-case hexadecimal fields at fixed character
// positions. Characters 0-1 and 12-15 hold the time offset from the test begin (24 bits),
// 2-5 SYS, 6-7 DIA, 8-9 pulse, 10-11 MAP, 16-17 the result code, 18 the mode, 22 the
// exclusion mark ("1": does not count), 24 the sign of the offset.
inline constexpr size_t kExclusionMarkPosition = 22;

// Turns the text of reading key `index + 1` into a reading whose clock time is testBegin plus
// its offset. Bad hex digits read as 0; an empty text gives a reading of zeros (implausible).
// The remark is left empty for the caller.
Measurement ParseReadingText(std::string_view text, int index, const ClockTime& testBegin);

// The 26-character text the download's reading writer stores. SYS above 270 is stored as 0,
// and pressures that are not in the order SYS > MAP > DIA are stored as 0 (a failed reading).
std::string FormatReadingText(const Measurement& m);
void AppendReadingText(std::string& out, const Measurement& m);

// The 25-character text of the monitor's own per-month files: no sign, no mode, no high
// offset byte; a failed reading keeps only its time and result code. Offsets that this
// text cannot hold (negative, or above 16 bits) are written in the 26-character form, which
// every reader understands, rather than stored wrong.
std::string FormatShortReadingText(const Measurement& m, bool failed);

}  // namespace vitalis
