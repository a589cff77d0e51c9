#pragma once

#include "views/ChartPainter.h"

namespace vitalis {

// The correlation page: every counting reading as a point of SYS (across, 0-250 mmHg)
// against DIA (up, 0-200 mmHg), red while awake and blue while asleep, both regression
// lines, and the figures of the fit.
class CorrelationPainter final : public ChartPainter {
  public:
    explicit CorrelationPainter(PaintFailureReport report);

    // The plot inside the page: 7 % of the width from the left, 4 % from the right, 9 % of
    // the height from the top and 11 % from the bottom.
    static QRectF PlotRect(const QRect& area);
    // Where a SYS/DIA pair lands in that plot.
    static QPointF PointAt(const QRectF& plot, double sys, double dia);

  protected:
    void Draw(QPainter& painter, const QRect& area, const PageContext& context) override;
};

}  // namespace vitalis
