#pragma once

#include <vector>

#include "ReportPage.h"
#include "case/TextSource.h"
#include "shell/ReportData.h"

namespace vitalis::report {

// The pages made of text: patient and test, statistics, summary, and the readings.
ReportPage DemographicsPage(const ReportHeader& header, const DemographicsRecord& record,
                            const TextSource& texts);
ReportPage StatisticsPage(const StatisticsRecord& record);
ReportPage SummaryPage(const SummaryRecord& record);
// The readings as a list over as many pages as they need, `rowsPerPage` to a page.
std::vector<ReportPage> MeasurementPages(const MeasurementListRecord& record, int rowsPerPage);

// Rows of the measurement list that fit a body of the given height.
int MeasurementRowsPerPage(int bodyHeight);

}  // namespace vitalis::report
