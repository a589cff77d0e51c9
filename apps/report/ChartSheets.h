#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "ReportPage.h"
#include "analysis/TimeAxis.h"
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

    // The pages for a page body of the given height.
    std::vector<ReportPage> Pages(int bodyHeight) const;

  private:
    ReportPage BarTrendPage(std::optional<TimeWindow> window) const;
    ReportPage HistogramPage(const std::vector<int>& periodSlots) const;
    ReportPage PiePage(const std::vector<int>& periodSlots) const;
    ReportPage CorrelationPage() const;
    ReportPage FrequencyPage() const;
    ReportPage SecondaryPage() const;

    const ReportData& data_;
    const TextSource& texts_;
    std::shared_ptr<ThresholdSettings> thresholds_;
    std::shared_ptr<Recording> recording_;
};

}  // namespace vitalis::report
