#pragma once

#include <vector>

#include "ReportPage.h"
#include "case/TextSource.h"
#include "shell/ReportData.h"

namespace vitalis::report {

// The pages made of text: the patient and the test, and the readings.
ReportPage DemographicsPage(const ReportHeader& header, const DemographicsRecord& record,
                            const TextSource& texts);
// The readings as a list over as many pages as they need, `rowsPerPage` to a page.
std::vector<ReportPage> MeasurementPages(const MeasurementListRecord& record, int rowsPerPage,
                                         const TextSource& texts);

// Rows of the measurement list that fit a body of the given height.
int MeasurementRowsPerPage(int bodyHeight);

}  // namespace vitalis::report
