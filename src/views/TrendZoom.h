#pragma once

#include <cstdint>
#include <optional>

#include "analysis/TimeAxis.h"

namespace vitalis {

// Which stretch of a recording the trend graph on screen shows: the whole of it, or a part
// the clinician zoomed, panned or paged to. View state: printed pages start from the whole
// recording unless the report layout prints as shown on screen.
class TrendZoom {
  public:
    static constexpr int64_t kLeastSpan = 60;  // minutes: zooming in stops at an hour
    static constexpr int64_t kDay = 1440;

    // The readings' stretch; a part shown before stays as far as it still lies within.
    void SetWhole(const TimeWindow& whole);
    const TimeWindow& whole() const { return whole_; }
    // The part shown, or nothing when the whole recording is.
    const std::optional<TimeWindow>& part() const { return part_; }
    TimeWindow Visible() const { return part_.value_or(whole_); }

    // Narrows (factor < 1) or widens the part shown, keeping `around` where it is.
    void ZoomBy(double factor, int64_t around);
    void Pan(int64_t minutes);
    // The calendar day after (+1) or before (-1) the one shown; from the whole recording
    // forward goes to its first day, backward to its last.
    void PageDay(int direction);
    // Shows calendar day `index` of the recording, counted from the day of its first reading.
    void ShowDay(int index);
    void Reset() { part_.reset(); }

    // The calendar days the recording touches, and the one shown (nothing unless a whole
    // day is shown).
    int DayCount() const;
    std::optional<int> ShownDay() const;

    // The midnight that starts calendar day `index`.
    int64_t DayStart(int index) const { return FirstMidnight() + int64_t{index} * kDay; }

  private:
    int64_t FirstMidnight() const;
    // Keeps a part inside the days of the recording; the whole when it would not be smaller.
    void Show(TimeWindow part);

    TimeWindow whole_;
    std::optional<TimeWindow> part_;
};

}  // namespace vitalis
