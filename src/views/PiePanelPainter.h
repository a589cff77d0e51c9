#pragma once

#include "views/ChartPainter.h"

namespace vitalis {

// The pie page: one band each for SYS, DIA and PR with the period's extremes and mean, a pie
// of the shares above, within and below the user's range, and the legend of its colours.
class PiePanelPainter final : public ChartPainter {
  public:
    static constexpr int kDepth = 10;  // the pie's side, in screen pixels

    explicit PiePanelPainter(PaintFailureReport report);

    // The pie's top face inside a band laid out over `band`, for tests and hit checks.
    static QRectF PieRect(const QRectF& band, double unit, double textPixels);

  protected:
    void Draw(QPainter& painter, const QRect& area, const PageContext& context) override;
};

}  // namespace vitalis
