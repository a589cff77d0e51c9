#include "DiaryJson.h"

#include "analysis/DiaryPeriods.h"

namespace vitalis::cli {
namespace {

Json HourMinuteJson(int minuteOfDay) {
    return Json::array({minuteOfDay / 60, minuteOfDay % 60});
}

}  // namespace

Json DiaryJson(const Recording& recording) {
    const std::vector<bool> applied = AppliedDiaryNights(recording);
    Json nights = Json::array();
    for (size_t i = 0; i < recording.diary.nights.size(); ++i) {
        const DiaryNight& night = recording.diary.nights[i];
        nights.push_back(Json{{"date", DateJson(night.date)},
                              {"bed", HourMinuteJson(night.bedMinute)},
                              {"up", HourMinuteJson(night.upMinute)},
                              {"applied", static_cast<bool>(applied[i])}});
    }
    Json events = Json::array();
    for (const DiaryEvent& event : recording.diary.events) {
        events.push_back(Json{{"time", ClockJson(event.time)},
                              {"kind", std::string(DiaryKindKey(event.kind))},
                              {"text", event.text}});
    }
    return Json{{"nights", nights}, {"events", events}};
}

}  // namespace vitalis::cli
