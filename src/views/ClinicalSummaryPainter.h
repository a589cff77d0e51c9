#pragma once

#include "analysis/clinical/ClinicalBlock.h"
#include "views/ChartPainter.h"

namespace vitalis {

// The page's content for a block already computed, into any painter: the screen draws it
// for the open recording under the page's title, the printed report for the block handed to
// it under the report's own page heading.
void DrawClinicalSummary(QPainter& painter, const QRect& area, const clinical::ClinicalBlock& block,
                         const TextSource& texts, bool withTitle = true);

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
