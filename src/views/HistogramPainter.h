#pragma once

#include "views/ChartPainter.h"

namespace vitalis {

// The histogram page: for SYS, DIA and PR one band of bars, each bar the share of the chosen
// period's readings in one fixed bin, written above it in percent.
class HistogramPainter final : public ChartPainter {
  public:
    explicit HistogramPainter(PaintFailureReport report);

  protected:
    void Draw(QPainter& painter, const QRect& area, const PageContext& context) override;
};

}  // namespace vitalis
