#pragma once

#include "views/ChartPainter.h"

namespace vitalis {

// The clinical summary page: the verdict first, in large type (guideline, quality, the three
// period means against their thresholds with the elevated ones in red, hypertension,
// dipping, phenotype), then the morning surges, the variability table and AASI. A figure that
// cannot be computed shows as a dash.
class ClinicalSummaryPainter final : public ChartPainter {
  public:
    explicit ClinicalSummaryPainter(PaintFailureReport report);

  protected:
    void Draw(QPainter& painter, const QRect& area, const PageContext& context) override;
};

}  // namespace vitalis
