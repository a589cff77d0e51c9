#pragma once

#include <functional>
#include <optional>

#include "analysis/TrendScale.h"
#include "views/ChartPainter.h"
#include "views/TrendLayout.h"

namespace vitalis {

// The trend page: SYS and DIA against clock time, shaded red above and green below the
// period's threshold lines, the pulse rate in blue, excluded readings as grey crosses, and a
// box for the reading under the pointer. A click near a reading excludes it from the
// analysis or takes it back in.
class TrendGraphPainter final : public ChartPainter {
  public:
    // Asked before a reading changes state, with whether it is excluded now; true lets the
    // click go ahead. Without one every click goes ahead.
    using ToggleQuestion = std::function<bool(bool excluded)>;

    explicit TrendGraphPainter(PaintFailureReport report, ToggleQuestion mayToggle = {});

    bool Hover(const QPoint& point, const QRect& area, const PageContext& context) override;
    bool Click(const QPoint& point, const QRect& area, Recording& recording) override;

    // The reading under the pointer, by its place in the recording's allMeasurements.
    std::optional<int> hoveredPosition() const { return hovered_; }
    const ValueRange& valueRange() const { return range_; }

  protected:
    void Draw(QPainter& painter, const QRect& area, const PageContext& context) override;

  private:
    // The blue marker and the box of the reading under the pointer, if it is still there.
    void DrawHovered(QPainter& painter, const TrendLayout& layout, const QRect& area,
                     const std::vector<TrendRow>& rows, const TextSource& texts) const;
    // The row within reach of `point` in the layout of the last paint.
    std::optional<TrendRow> RowAt(const QPoint& point, const QRect& area,
                                  const std::vector<TrendRow>& rows) const;

    ToggleQuestion mayToggle_;
    ValueRange range_{};  // kept when new readings give no drawable range
    double unit_ = 1.0;   // of the last paint, so the pointer meets what was drawn
    std::optional<int> hovered_;
};

}  // namespace vitalis
