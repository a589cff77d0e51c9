#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "case/CalendarTime.h"

namespace vitalis {

class ProfileStore;

// What the patient wrote down during the test: when they went to bed and got up each night,
// and timed events (a tablet taken, a symptom felt, an activity). Kept in the case file's
// section "DIARY"; readers that do not know the section skip it.
//
//   [DIARY]
//   Night1=2026-12-07 22:30 06:45
//   Event1=2026-12-08 08:00 medication 5 mg in the morning
//
// A night is named by the date of its evening; bedtime before noon is after midnight, and
// the get-up time is the first one after bedtime. An event's text is escaped so that it
// stays on its line and holds no "[": "\\" for a backslash, "\n" and "\r" for line breaks,
// "\[" and "\+" for those characters. Lines the program does not understand are kept as they
// stand and written back unchanged.
inline constexpr std::string_view kDiarySection = "DIARY";

struct DiaryNight {
    CalendarDate date;  // of the evening
    int bedMinute = 0;  // minute of the day, 0..1439
    int upMinute = 0;
    bool operator==(const DiaryNight&) const = default;
};

enum class DiaryEventKind { Medication, Symptom, Activity, Other };
inline constexpr int kDiaryEventKinds = 4;

struct DiaryEvent {
    ClockTime time;
    DiaryEventKind kind = DiaryEventKind::Other;
    std::string text;  // UTF-8, may hold line breaks
    bool operator==(const DiaryEvent&) const = default;
};

// A line of the section the program did not understand, kept as it stood.
struct DiaryLine {
    std::string key;
    std::string value;
    bool operator==(const DiaryLine&) const = default;
};

struct Diary {
    std::vector<DiaryNight> nights;
    std::vector<DiaryEvent> events;
    std::vector<DiaryLine> kept;
    bool empty() const { return nights.empty() && events.empty() && kept.empty(); }
    bool operator==(const Diary&) const = default;
};

// "medication", "symptom", "activity", "other": the spelling the file and the JSON use.
std::string_view DiaryKindKey(DiaryEventKind kind);
std::optional<DiaryEventKind> DiaryKindOfKey(std::string_view key);

// The language key (section kDiaryTexts) of a kind's name: "IDS_DIARY_MEDICATION", …
const char* DiaryKindTextKey(DiaryEventKind kind);
// The forms the file, the dialog and the report share: "22:30", "2026-12-07",
// "2026-12-08 08:00".
std::string DiaryClockText(int minute);
std::string DiaryDateText(const CalendarDate& date);
std::string DiaryTimeText(const ClockTime& time);

// Minutes since 1970 of a night's bedtime and get-up time (get-up after bedtime, within a day).
int64_t BedtimeMinutes(const DiaryNight& night);
int64_t GetUpMinutes(const DiaryNight& night);

std::string EscapeDiaryText(std::string_view text);
std::string UnescapeDiaryText(std::string_view stored);

// The stored form of one entry, and back (nothing when the value is not one).
std::string NightValue(const DiaryNight& night);
std::string EventValue(const DiaryEvent& event);
std::optional<DiaryNight> ParseNightValue(std::string_view value);
std::optional<DiaryEvent> ParseEventValue(std::string_view value);

// Nights by bedtime, events by time; equal ones keep their order.
void SortDiary(Diary& diary);

// Reads the section; every line it keeps without understanding adds a warning (in English).
Diary ReadDiary(const ProfileStore& store, std::vector<std::string>& warnings);
// Replaces the diary's lines of the section: nights and events sorted by time, numbered from
// 1, skipping the numbers of kept lines; kept lines and lines that are not key lines stay.
// An empty diary removes its lines and writes nothing new.
bool WriteDiary(ProfileStore& store, const Diary& diary);

}  // namespace vitalis
