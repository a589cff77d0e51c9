#pragma once

#include "ReportPage.h"
#include "case/TextSource.h"
#include "shell/ReportData.h"

namespace vitalis::report {

// The pages of figures: the statistics of each period with load and nocturnal fall, and the
// summary of each period under its ranges. A period the analysis did not compute shows why
// instead of zeros; `multiDay` files have no awake and asleep periods.
ReportPage StatisticsPage(const StatisticsRecord& record, bool multiDay, const TextSource& texts);
ReportPage SummaryPage(const SummaryRecord& record, bool multiDay, const TextSource& texts);

}  // namespace vitalis::report
