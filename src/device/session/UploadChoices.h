#pragma once

#include <string>
#include <string_view>

#include "device/session/UploadSettings.h"

namespace vitalis {

// The upload parameter dialog keeps its choices as positions in its lists:
//   times of day: position p is p * 30 minutes after midnight (0 to 47);
//   special begin and end: position 0 is "no special period", p >= 1 is (p - 1) * 30;
//   intervals: "none", then 5, 10, 15, 20, 30, 45, 60, 90 and 120 minutes;
//   start key: 0 on, 1 off.
inline constexpr int kTimePositions = 48;
inline constexpr int kIntervalPositions = 10;

// Minutes of an interval position: 0 ("none") is -2, an unknown position -1.
int IntervalFromPosition(int position);
// The position of a stored interval; intervals the list does not offer select "none".
int PositionFromInterval(int minutes);

struct UploadChoices {
    std::string patientName;
    std::string patientId;
    int awakeTime = 14;  // 07:00
    int awakeSpan = 0;
    int asleepTime = 44;  // 22:00
    int asleepSpan = 1;
    int specialBegin = 0;  // none
    int specialEnd = 0;
    int specialSpan = 0;
    int startKey = 0;  // on
};

// What confirming the dialog stores: "none" intervals take no readings, and there is no
// special period unless its begin, end and interval are all chosen.
UploadSettings SettingsFromChoices(const UploadChoices& choices);
// The positions that show a programme again: times fall back to the half hour before them,
// intervals the list does not offer to "none", and a special period without an interval
// to "no special period".
UploadChoices ChoicesFromSettings(const UploadSettings& settings);
// Positions outside their lists (a hand-edited configuration) take the dialog's defaults.
UploadChoices WithinLists(UploadChoices choices);

// A monitor is never programmed without a patient: the language key ("Global Setting") of
// the first missing field, empty when name and id are both given.
std::string_view MissingPatientField(const UploadChoices& choices);

// The entries of the lists as the dialog shows them: "07:30"; "None", "5min" ... "120min".
std::string TimeText(int position);
std::string IntervalText(int position, std::string_view noneText, std::string_view minsText);

}  // namespace vitalis
