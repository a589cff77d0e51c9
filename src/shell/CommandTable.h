#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace vitalis {

// Command identifiers of the main window's menus and toolbar. The numbers are fixed: the
// routing, the menus and stored layouts all use them.
namespace command {
inline constexpr int kOpenCase = 32901;
inline constexpr int kCopyCases = 32771;
inline constexpr int kDeleteCases = 32772;
inline constexpr int kLinkWay = 32806;
inline constexpr int kExit = 32779;
inline constexpr int kCaseFolderSettings = 32778;
inline constexpr int kDownload = 32812;
inline constexpr int kUpload = 32801;
inline constexpr int kReport = 32908;
inline constexpr int kFilePreview = 32773;
inline constexpr int kPrinterSetup = 57606;
inline constexpr int kReportSettings = 32774;
inline constexpr int kStatistics = 32909;
inline constexpr int kEditReadings = 32904;
inline constexpr int kPatientData = 32775;
inline constexpr int kSleepPeriod = 32800;
inline constexpr int kThresholdSettings = 32776;
inline constexpr int kLanguage = 32777;
inline constexpr int kWearInstructions = 32780;
inline constexpr int kHelp = 32781;
inline constexpr int kAbout = 57664;
inline constexpr int kTrendGraph = 32902;
inline constexpr int kBarGraph = 32905;
inline constexpr int kPieChart = 32906;
inline constexpr int kCorrelationChart = 32907;
inline constexpr int kRecordingInfo = 32910;
inline constexpr int kClinicalSummary = 32911;
inline constexpr int kExportFhir = 32912;
inline constexpr int kExportCsv = 32913;
inline constexpr int kDiary = 32914;
inline constexpr int kCopy = 32915;
}  // namespace command

// A language text: section and key.
struct TextKey {
    std::string_view section;
    std::string_view key;
};

struct CommandInfo {
    int id = 0;
    std::optional<TextKey> menuText;    // label of its menu item, if it has one
    std::optional<TextKey> buttonText;  // caption of its toolbar button, if it has one
    bool needsOpenCase = false;         // enabled only while a case is open
};

// Every command of the main window.
const std::vector<CommandInfo>& Commands();
const CommandInfo* FindCommand(int id);

// The menu bar: top-level entries left to right. A popup holds command ids, 0 for a separator;
// a plain entry runs its command directly.
struct MenuEntry {
    TextKey text;
    int command = 0;              // plain entry
    std::vector<int> popupItems;  // popup entry
    bool IsPopup() const { return command == 0; }
};
const std::vector<MenuEntry>& MenuBar();

// The toolbar's fifteen buttons, left to right.
const std::vector<int>& ToolbarCommands();

}  // namespace vitalis
