#include "views/TrendZoom.h"

#include <algorithm>
#include <cmath>

namespace vitalis {
namespace {

int64_t FloorToDay(int64_t minute) {
    return minute >= 0 ? minute / TrendZoom::kDay * TrendZoom::kDay
                       : -((-minute + TrendZoom::kDay - 1) / TrendZoom::kDay) * TrendZoom::kDay;
}

}  // namespace

void TrendZoom::SetWhole(const TimeWindow& whole) {
    whole_ = whole;
    if (part_) Show(*part_);
}

int64_t TrendZoom::FirstMidnight() const {
    return FloorToDay(whole_.first);
}

int TrendZoom::DayCount() const {
    return static_cast<int>((std::max(whole_.last - 1, whole_.first) - FirstMidnight()) / kDay) + 1;
}

std::optional<int> TrendZoom::ShownDay() const {
    if (!part_ || part_->Span() != kDay || (part_->first - FirstMidnight()) % kDay != 0)
        return std::nullopt;
    return static_cast<int>((part_->first - FirstMidnight()) / kDay);
}

void TrendZoom::Show(TimeWindow part) {
    // A part may reach out to the midnights around the readings, so that every day pages whole.
    const int64_t low = std::min(whole_.first, FirstMidnight());
    const int64_t high = std::max(whole_.last, FirstMidnight() + DayCount() * kDay);
    const int64_t span = std::clamp(part.Span(), kLeastSpan, high - low);
    if (span >= whole_.Span() && !(part.Span() == kDay && span == kDay)) {
        part_.reset();
        return;
    }
    part.first = std::clamp(part.first, low, high - span);
    part.last = part.first + span;
    part_ = part;
}

void TrendZoom::ZoomBy(double factor, int64_t around) {
    if (!(factor > 0)) return;
    const TimeWindow now = Visible();
    around = std::clamp(around, now.first, now.last);
    const auto scaled = [&](int64_t d) {
        return static_cast<int64_t>(std::llround(static_cast<double>(d) * factor));
    };
    int64_t before = scaled(around - now.first);
    int64_t after = scaled(now.last - around);
    if (before + after < kLeastSpan) {
        // Kept an hour wide, around the same minute.
        const double share = now.Span() > 0 ? double(around - now.first) / double(now.Span()) : 0.5;
        before = static_cast<int64_t>(std::llround(share * kLeastSpan));
        after = kLeastSpan - before;
    }
    Show({around - before, around + after});
}

void TrendZoom::Pan(int64_t minutes) {
    if (!part_) return;
    Show({part_->first + minutes, part_->last + minutes});
}

void TrendZoom::ShowDay(int index) {
    index = std::clamp(index, 0, DayCount() - 1);
    const int64_t first = FirstMidnight() + int64_t{index} * kDay;
    Show({first, first + kDay});
}

void TrendZoom::PageDay(int direction) {
    if (const auto day = ShownDay()) {
        ShowDay(*day + direction);
    } else if (part_) {
        // From a zoomed part to the day it starts in, then on.
        const int day = static_cast<int>((FloorToDay(part_->first) - FirstMidnight()) / kDay);
        ShowDay(direction > 0 ? day + 1 : day);
    } else {
        ShowDay(direction > 0 ? 0 : DayCount() - 1);
    }
}

}  // namespace vitalis
