#pragma once

#include <memory>
#include <vector>

#include "ReportPage.h"
#include "case/Recording.h"
#include "case/TextSource.h"
#include "shell/ReportData.h"

namespace vitalis::report {

// The chart pages, drawn by the same painters as the workstation's view. The painters draw
// from a recording, so the readings and figures of the hand-off files are put back into one
// that lives as long as the pages.
class ChartSheets {
  public:
    ChartSheets(const ReportData& data, const TextSource& texts);

    std::vector<ReportPage> Pages() const;

  private:
    ReportPage BarTrendPage() const;
    ReportPage HistogramPage() const;
    ReportPage PiePage() const;
    ReportPage CorrelationPage() const;
    ReportPage FrequencyPage() const;
    ReportPage SecondaryPage() const;

    const ReportData& data_;
    const TextSource& texts_;
    std::shared_ptr<ThresholdSettings> thresholds_;
    std::shared_ptr<Recording> recording_;
};

}  // namespace vitalis::report
