#include "case/Diary.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>

#include "case/AsciiCase.h"
#include "case/CalendarTime.h"
#include "case/ProfileStore.h"

namespace vitalis {
namespace {

constexpr std::array<std::string_view, kDiaryEventKinds> kKindKeys = {"medication", "symptom",
                                                                      "activity", "other"};
constexpr std::string_view kNightKey = "Night";
constexpr std::string_view kEventKey = "Event";

// "2026-12-07 22:30" at the start of a value; the rest of the value after it.
std::optional<ClockTime> ParseDateAndClock(std::string_view text, size_t& used) {
    ClockTime t;
    int length = 0;
    const std::string head(text.substr(0, 16));
    if (head.size() != 16 ||
        std::sscanf(head.c_str(), "%4d-%2d-%2d %2d:%2d%n", &t.year, &t.month, &t.day, &t.hour,
                    &t.minute, &length) != 5 ||
        length != 16 || !IsValidClockTime(t)) {
        return std::nullopt;
    }
    used = 16;
    return t;
}

std::optional<int> ParseClock(std::string_view text) {
    int hour = 0, minute = 0, length = 0;
    const std::string copy(text);
    if (copy.size() != 5 || std::sscanf(copy.c_str(), "%2d:%2d%n", &hour, &minute, &length) != 2 ||
        length != 5 || hour < 0 || hour > 23 || minute < 0 || minute > 59) {
        return std::nullopt;
    }
    return hour * 60 + minute;
}

// The number after "Night" or "Event" (letter case aside), or 0 when the key is not one.
int EntryNumber(std::string_view key, std::string_view prefix) {
    if (key.size() <= prefix.size() || key.size() > prefix.size() + 6) return 0;
    if (!EqualsIgnoringCase(key.substr(0, prefix.size()), prefix)) return 0;
    int number = 0;
    for (const char c : key.substr(prefix.size())) {
        if (c < '0' || c > '9') return 0;
        number = number * 10 + (c - '0');
    }
    return number;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = LowerAscii(c);
    return lower;
}

}  // namespace

std::string_view DiaryKindKey(DiaryEventKind kind) {
    return kKindKeys[static_cast<size_t>(kind)];
}

std::optional<DiaryEventKind> DiaryKindOfKey(std::string_view key) {
    for (size_t i = 0; i < kKindKeys.size(); ++i) {
        if (kKindKeys[i] == key) return static_cast<DiaryEventKind>(i);
    }
    return std::nullopt;
}

int64_t BedtimeMinutes(const DiaryNight& night) {
    const int64_t evening = DaysFromCivil(night.date.year, night.date.month, night.date.day) * 1440;
    // Before noon the patient went to bed after midnight.
    return evening + night.bedMinute + (night.bedMinute < 12 * 60 ? 1440 : 0);
}

int64_t GetUpMinutes(const DiaryNight& night) {
    const int64_t bed = BedtimeMinutes(night);
    const int64_t up = bed - bed % 1440 + night.upMinute;
    return up > bed ? up : up + 1440;
}

std::string EscapeDiaryText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '[':
                out += "\\[";
                break;
            case '+':
                out += "\\+";
                break;  // "++" would read back as a line break
            default:
                out += c;
        }
    }
    return out;
}

std::string UnescapeDiaryText(std::string_view stored) {
    std::string out;
    out.reserve(stored.size());
    for (size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] != '\\' || i + 1 == stored.size()) {
            out += stored[i];
            continue;
        }
        const char next = stored[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

const char* DiaryKindTextKey(DiaryEventKind kind) {
    constexpr const char* kKeys[kDiaryEventKinds] = {"IDS_DIARY_MEDICATION", "IDS_DIARY_SYMPTOM",
                                                     "IDS_DIARY_ACTIVITY", "IDS_DIARY_OTHER"};
    return kKeys[static_cast<size_t>(kind)];
}

std::string DiaryClockText(int minute) {
    return ShownClockOfMinute(minute);
}

std::string DiaryDateText(const CalendarDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string DiaryTimeText(const ClockTime& time) {
    return DiaryDateText({time.year, time.month, time.day}) + " " +
           DiaryClockText(time.hour * 60 + time.minute);
}

std::string NightValue(const DiaryNight& night) {
    return DiaryDateText(night.date) + " " + DiaryClockText(night.bedMinute) + " " +
           DiaryClockText(night.upMinute);
}

std::string EventValue(const DiaryEvent& event) {
    std::string value = DiaryTimeText(event.time) + " " + std::string(DiaryKindKey(event.kind));
    if (!event.text.empty()) value += " " + EscapeDiaryText(event.text);
    return value;
}

std::optional<DiaryNight> ParseNightValue(std::string_view value) {
    size_t used = 0;
    const auto start = ParseDateAndClock(value, used);
    if (!start || value.size() != 22 || value[16] != ' ') return std::nullopt;
    const auto up = ParseClock(value.substr(17));
    if (!up) return std::nullopt;
    return DiaryNight{
        {start->year, start->month, start->day}, start->hour * 60 + start->minute, *up};
}

std::optional<DiaryEvent> ParseEventValue(std::string_view value) {
    size_t used = 0;
    const auto time = ParseDateAndClock(value, used);
    if (!time || value.size() < 18 || value[16] != ' ') return std::nullopt;
    const std::string_view rest = value.substr(17);
    const size_t space = rest.find(' ');
    const auto kind = DiaryKindOfKey(rest.substr(0, space));
    if (!kind) return std::nullopt;
    const std::string text =
        space == std::string_view::npos ? std::string() : UnescapeDiaryText(rest.substr(space + 1));
    return DiaryEvent{*time, *kind, text};
}

Diary ReadDiary(const ProfileStore& store, std::vector<std::string>& warnings) {
    Diary diary;
    for (const std::string& key : store.KeyNames(kDiarySection)) {
        const std::string value = store.GetString(kDiarySection, key, "");
        if (EntryNumber(key, kNightKey) > 0) {
            if (auto night = ParseNightValue(value)) {
                diary.nights.push_back(*night);
                continue;
            }
        } else if (EntryNumber(key, kEventKey) > 0) {
            if (auto event = ParseEventValue(value)) {
                diary.events.push_back(std::move(*event));
                continue;
            }
        }
        warnings.push_back("diary line \"" + key + "=" + value + "\" is not understood; kept");
        diary.kept.push_back({key, value});
    }
    return diary;
}

void SortDiary(Diary& diary) {
    std::stable_sort(diary.nights.begin(), diary.nights.end(), [](const auto& a, const auto& b) {
        return BedtimeMinutes(a) < BedtimeMinutes(b);
    });
    std::stable_sort(diary.events.begin(), diary.events.end(), [](const auto& a, const auto& b) {
        return MinutesOf(a.time) < MinutesOf(b.time);
    });
}

bool WriteDiary(ProfileStore& store, const Diary& diary) {
    std::set<std::string> taken;
    for (const DiaryLine& line : diary.kept) taken.insert(Lower(line.key));
    // Key by key rather than the whole section: lines that are not key lines stay too.
    bool written = true;
    for (const std::string& key : store.KeyNames(kDiarySection)) {
        if (!taken.count(Lower(key))) written = store.DeleteKey(kDiarySection, key) && written;
    }
    if (!written) return false;
    std::vector<std::pair<std::string, std::string>> lines;
    // Numbers that a kept line holds are skipped, so nothing overwrites it.
    auto add = [&](std::string_view prefix, std::string value) {
        for (int n = 1;; ++n) {
            std::string key = std::string(prefix) + std::to_string(n);
            if (taken.insert(Lower(key)).second) {
                lines.emplace_back(std::move(key), std::move(value));
                return;
            }
        }
    };
    Diary sorted = diary;
    SortDiary(sorted);
    for (const DiaryNight& night : sorted.nights) add(kNightKey, NightValue(night));
    for (const DiaryEvent& event : sorted.events) add(kEventKey, EventValue(event));
    std::vector<ProfileStore::KeyValue> entries;
    for (const auto& [key, value] : lines) entries.emplace_back(key, value);
    if (entries.empty()) return true;
    return store.WriteStrings(kDiarySection, entries);
}

}  // namespace vitalis
