#pragma once

#include "ReportPage.h"
#include "analysis/clinical/ClinicalBlock.h"
#include "case/TextSource.h"

namespace vitalis::report {

// The clinical summary as the workstation shows it: verdict, morning surges, variability.
ReportPage ClinicalSummaryPage(const clinical::ClinicalBlock& block, const TextSource& texts);

// The 24 clock hours of all days pooled: readings and mean SYS, DIA and pulse of each; an hour
// without readings shows the not-computed mark.
ReportPage HourlyMeansPage(const clinical::ClinicalBlock& block, const TextSource& texts);

}  // namespace vitalis::report
