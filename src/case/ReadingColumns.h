#pragma once

#include <array>
#include <string>

#include "case/Measurement.h"
#include "case/TextSource.h"

namespace vitalis {

// The texts a reading shows in the measurement list and in the CSV export.
std::string ReadingNumberText(const Measurement& m);  // "5", "5+" (mode 1), "5++" (mode 2)
std::string ClockText(const Measurement& m);          // "07:05"
std::string DateText(const Measurement& m);           // "03-05-2026"
std::string ValueText(int value);                     // "120", or "---" below 1
std::string PulsePressureText(const Measurement& m);  // SYS - DIA of an ordered reading
std::string StatusText(const Measurement& m);         // "status/aux"

// The ten columns of the measurement list: exclusion mark, number, time, date, SYS/DIA,
// pulse, MAP, pulse pressure, status, remark.
inline constexpr int kExclusionColumn = 0;
inline constexpr int kStatusColumn = 8;
inline constexpr int kRemarkColumn = 9;
std::array<std::string, 10> MeasurementRowTexts(const Measurement& m);
// The same columns as the measurement list on screen shows them: the status column says
// the failure in words (empty for a successful reading) instead of the monitor's codes.
std::array<std::string, 10> MeasurementListTexts(const Measurement& m, const TextSource& texts);

// Title of the exclusion column: "*=3/40(7.5%)".
std::string ExclusionHeaderText(int excluded, int total);
// The same with the column's label in front, for the list on screen: "Excluded *=3/40(7.5%)".
std::string ExclusionColumnTitle(const TextSource& texts, int excluded, int total);
inline constexpr std::string_view kExclusionLabelKey = "IDS_EXCLUSION_HEADING";  // kDialogTexts

}  // namespace vitalis
