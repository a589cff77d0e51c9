#pragma once

#include <string>
#include <vector>

#include "analysis/StatisticsTable.h"
#include "case/Measurement.h"
#include "case/TextSource.h"

namespace vitalis {

// What Copy puts on the clipboard: tab-separated lines that a spreadsheet or a letter takes
// as a table, each line ended by CR LF.

// The column titles of the measurement list, then one line per reading as the list shows it.
std::string ReadingsCopyText(const std::vector<Measurement>& readings, const TextSource& texts);

// The statistics window's table: its column captions, then a line per period with its label.
std::string StatisticsCopyText(const StatisticsTable& table);

// What the status line says after a copy: "Copied 12 readings", "Copied the statistics table".
std::string CopiedReadingsText(int count, const TextSource& texts);
std::string CopiedStatisticsText(const TextSource& texts);

}  // namespace vitalis
