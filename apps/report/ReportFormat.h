#pragma once

#include <QFont>
#include <QString>
#include <array>

namespace vitalis::report {

// How the report writes its figures, the same on every page.

// No text of the report is printed smaller than this.
inline constexpr double kLeastTextPoints = 8.0;

// The printer's resolution and the font every page starts with; pages that flow over
// several sheets measure their text with them before printing.
inline constexpr int kReportDotsPerInch = 96;
QFont ReportFont();

// A date as "dd-mm-yyyy", the measurement list's form; empty for a date of zeros.
QString Date(const std::array<int, 3>& yearMonthDay);
// Minutes of the day as "hh:mm".
QString ClockOfDay(int minutes);
// A fraction as a percentage with one decimal.
QString Percent(double fraction);
QString Number(double value, int decimals = 1);

}  // namespace vitalis::report
