#pragma once

#include <QString>
#include <array>

namespace vitalis::report {

// How the report writes its figures, the same on every page.

// No text of the report is printed smaller than this.
inline constexpr double kLeastTextPoints = 8.0;

// A date as "dd-mm-yyyy", the measurement list's form; empty for a date of zeros.
QString Date(const std::array<int, 3>& yearMonthDay);
// Minutes of the day as "hh:mm".
QString ClockOfDay(int minutes);
// A fraction as a percentage with one decimal.
QString Percent(double fraction);
QString Number(double value, int decimals = 1);

}  // namespace vitalis::report
