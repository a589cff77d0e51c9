#pragma once

#include <string>
#include <string_view>

namespace vitalis {

// The sections of a language file.
inline constexpr char kGlobalTexts[] = "Global Setting";
inline constexpr char kMessageTexts[] = "Message Setting";
inline constexpr char kDialogTexts[] = "Dialog Setting";
inline constexpr char kMenuTexts[] = "Menu Setting";
inline constexpr char kCaseTexts[] = "Case Setting";
inline constexpr char kNoticeTexts[] = "ZuzodIriz";
inline constexpr char kClinicalTexts[] = "Clinical Setting";
inline constexpr char kReportTexts[] = "Report Setting";
inline constexpr char kDiaryTexts[] = "Diary Setting";
inline constexpr char kTitleTexts[] = "Title";

// Where user-visible texts come from: a section and key of the current language.
// A missing text is empty.
class TextSource {
  public:
    virtual ~TextSource() = default;
    virtual std::string Text(std::string_view section, std::string_view key) const = 0;
};

// Every text empty: for callers that run without a language file.
class NoTexts final : public TextSource {
  public:
    std::string Text(std::string_view, std::string_view) const override { return {}; }
};

}  // namespace vitalis
