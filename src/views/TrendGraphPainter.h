#pragma once

#include <QImage>
#include <cstdint>
#include <functional>
#include <optional>

#include "analysis/TrendScale.h"
#include "views/ChartPainter.h"
#include "views/TrendCurves.h"
#include "views/TrendLayout.h"
#include "views/TrendZoom.h"

namespace vitalis {

// The trend page: SYS, DIA and MAP against clock time, shaded red above and green below the
// period's threshold lines, the pulse rate in blue, the asleep period as a band behind them,
// excluded readings in grey, failed readings as marks on the time axis, and a box for the
// reading under the pointer. The painter never changes the recording: the view turns what the
// pointer does into requests.
class TrendGraphPainter final : public ChartPainter {
  public:
    static inline const QColor kNightBand{214, 222, 240};  // the asleep period

    explicit TrendGraphPainter(PaintFailureReport report);

    bool Hover(const QPoint& point, const QRect& area, const PageContext& context) override;

    // The reading under the pointer, by its place in the recording's allMeasurements.
    std::optional<int> hoveredPosition() const { return hovered_; }
    // The failed reading whose mark lies under the pointer.
    std::optional<int> hoveredFailure() const { return hoveredFailure_; }
    // The reading within reach of `point` in the last paint's layout.
    std::optional<int> ReadingAt(const QPoint& point) const;
    const ValueRange& valueRange() const { return range_; }
    // Where the last paint put its parts.
    const TrendLayout& layout() const { return layout_; }
    // Shows only this stretch of time (a printed day); nothing shows the whole recording.
    void SetWindow(std::optional<TimeWindow> window) { window_ = window; }
    // Draws a strip from DIA to SYS per reading in place of the curves (the printed strip
    // graph); the pulse stays a line.
    void SetStrips(bool strips) {
        strips_ = strips;
        Invalidate();
    }

    // The stretch of time shown; the next paint follows any change.
    TrendZoom& zoom() { return zoom_; }
    const TrendZoom& zoom() const { return zoom_; }

    // Extra marks on the time axis (events of the day, say), drawn over the curves in the
    // layout of each paint. The marks are kept with the static layer: call Invalidate when
    // what they show changes.
    using TimeMarks = std::function<void(QPainter& painter, const TrendLayout& layout)>;
    void SetTimeMarks(TimeMarks marks) {
        marks_ = std::move(marks);
        Invalidate();
    }
    void Invalidate() { key_ = 0; }

    // Which boundary of the night band lies under the pointer.
    enum class NightEdge { None, AsleepStart, AwakeStart };
    NightEdge NightEdgeAt(const QPoint& point) const;
    // Draws the band from `asleepStart` to `awakeStart` (minutes of the day) instead of the
    // recording's, while a boundary is dragged; nothing returns to the recording's.
    struct Night {
        int asleepStart = 0;
        int awakeStart = 0;
        bool operator==(const Night&) const = default;
    };
    void PreviewNight(std::optional<Night> night) { preview_ = night; }
    Night night() const { return preview_.value_or(night_); }

  protected:
    void Draw(QPainter& painter, const QRect& area, const PageContext& context) override;

  private:
    // Rebuilds rows, layout and curves when readings, area or thresholds changed; true if so.
    bool Refresh(const QRect& area, double unit, const PageContext& context);
    void DrawStatic(QPainter& painter, const QRect& area, const PageContext& context) const;
    void DrawHovered(QPainter& painter, const QRect& area, const TextSource& texts) const;

    ValueRange range_{};  // kept when new readings give no drawable range
    std::optional<TimeWindow> window_;
    bool strips_ = false;
    std::optional<int> hovered_;
    std::optional<int> hoveredFailure_;

    // What the last paint drew from, so a pointer move redraws only what moves.
    uint64_t key_ = 0;
    std::vector<TrendRow> rows_;
    std::vector<FailedReading> failed_;
    TrendLayout layout_;
    TrendCurves curves_;
    TrendZoom zoom_;
    TimeMarks marks_;
    Night night_;  // the recording's, as of the last paint
    std::optional<Night> preview_;
    QImage still_;  // the static layer, made on the second paint of the same state
    uint64_t stillKey_ = 0;
};

}  // namespace vitalis
