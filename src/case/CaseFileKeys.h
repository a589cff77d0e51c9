#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vitalis::casekeys {

// Section and key names of a case file, spelled as stored files spell them.
inline constexpr std::string_view kPatientSection = "PATIENT DATA";
inline constexpr std::string_view kTestCount = "Test Count";
inline constexpr std::string_view kNoString = "no string";
inline constexpr int kMaxReadings = 100000;  // more is not a case file: refuse it at once

// The test section's keys of the monitor's schedule, in the order of ScheduleBytes.
inline constexpr std::array<std::string_view, 11> kScheduleKeys{
    "AwakeHour",       "AwakeMin",       "AwakeDuration",    "AsleepHour",
    "AsleepMin",       "AsleepDuration", "SpecialHourStart", "SpecialMinStart",
    "SpecialDuration", "SpecialHourEnd", "SpecialMinEnd"};

inline std::string TestSection(std::string_view testCount) {
    return "TEST " + std::string(testCount);
}
inline std::string ReadingKey(int number) {
    return std::to_string(number);
}
inline std::string RemarkKey(int number) {
    return "C" + std::to_string(number);
}

}  // namespace vitalis::casekeys
