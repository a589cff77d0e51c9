#include "shell/CommandTable.h"
#include "case/TextSource.h"

namespace vitalis {
namespace {

constexpr std::string_view kGlobal = kGlobalTexts;
constexpr std::string_view kMenu = kMenuTexts;
constexpr std::string_view kDialog = kDialogTexts;
constexpr std::string_view kCase = kCaseTexts;
constexpr std::string_view kClinical = kClinicalTexts;

TextKey Menu(std::string_view key) {
    return {kMenu, key};
}
TextKey Button(std::string_view key) {
    return {kGlobal, key};
}

}  // namespace

const std::vector<CommandInfo>& Commands() {
    using namespace command;
    static const std::vector<CommandInfo> commands = {
        {kOpenCase, Menu("IDS_OPEN_DATAS"), Button("IDS_OPEN_DATA"), false},
        {kCopyCases, Menu("IDS_COPY_DATA"), {}, false},
        {kDeleteCases, Menu("IDS_DELETE_DATA"), {}, false},
        {kExportCsv, TextKey{kDialog, "IDS_DERIVE_DATA"}, {}, true},
        {kExportFhir, Menu("IDS_EXPORT_FHIR"), {}, true},
        {kLinkWay, Menu("IDS_SET_CONNECT"), {}, false},
        {kExit, Menu("IDS_EXIT"), Button("IDS_EXIT"), false},
        {kCaseFolderSettings, Menu("IDS_SETFILE_PATH"), {}, false},
        {kDownload, Menu("IDS_DOWN_LOAD"), Button("IDS_DOWNLOAD_DATA"), false},
        {kUpload, Menu("IDS_UPLOAD"), Button("IDS_UPDATE_DATA"), false},
        {kReport, Menu("IDS_MENU_PRINT"), Button("IDS_PRINT"), true},
        {kFilePreview, Menu("IDS_FILE_PREVIEW"), {}, true},
        {kPrinterSetup, Menu("IDS_SELECT_PRINT"), {}, false},
        {kReportSettings, Menu("IDS_CONFIG_REPORT"), {}, false},
        {kStatistics, Menu("IDS_LOOK_INFORMATION"), Button("IDS_STA_MESSAGE"), true},
        {kCopy, Menu("IDS_COPY"), {}, true},
        {kEditReadings, Menu("IDS_BLOOD_DATAS"), Button("IDS_EDIT"), true},
        {kPatientData, Menu("IDS_PATIENT_DATA"), {}, true},
        {kSleepPeriod, Menu("IDS_SLEEP_TIMES"), {}, true},
        {kDiary, TextKey{kDiaryTexts, "IDS_DIARY_MENU"}, {}, true},
        {kThresholdSettings, TextKey{kCase, "IDS_STANDARD_VALUES_Menu"}, {}, false},
        {kLanguage, Menu("IDS_LANGUAGE"), {}, false},
        {kWearInstructions, Menu("IDS_WEAR"), Button("IDS_ADORN"), false},
        {kHelp, Menu("IDS_HELP_DOCUMENT"), Button("IDS_HELP"), false},
        {kAbout, TextKey{kDialog, "IDS_ABOULT"}, {}, false},
        {kTrendGraph, {}, Button("IDS_BLOOD_TREND"), true},
        {kBarGraph, {}, Button("IDS_BAR_GRAPH"), true},
        {kPieChart, {}, Button("IDS_CAKE_MAP"), true},
        {kCorrelationChart, {}, Button("IDS_COM_LINE"), true},
        {kRecordingInfo, {}, Button("IDS_CON_MESSAGE"), true},
        {kClinicalSummary, TextKey{kClinical, "IDS_CLINICAL_SUMMARY"},
         TextKey{kClinical, "IDS_CLINICAL_SUMMARY"}, true},
    };
    return commands;
}

const CommandInfo* FindCommand(int id) {
    for (const CommandInfo& info : Commands()) {
        if (info.id == id) return &info;
    }
    return nullptr;
}

const std::vector<MenuEntry>& MenuBar() {
    using namespace command;
    static const std::vector<MenuEntry> menu = {
        {Menu("IDS_FILE"),
         0,
         {kOpenCase, kCopyCases, kDeleteCases, 0, kExportCsv, kExportFhir, 0, kLinkWay, 0, kExit}},
        {Menu("IDS_DOWNLOADING"), 0, {kCaseFolderSettings, kDownload}},
        {Menu("IDS_UPLOAD"), kUpload, {}},
        {Menu("IDS_REPORTS"),
         0,
         {kReport, kReportSettings, kPrinterSetup, kStatistics, kClinicalSummary}},
        {Menu("IDS_EDITS"),
         0,
         {kCopy, 0, kEditReadings, kPatientData, kSleepPeriod, kDiary, kThresholdSettings}},
        {Menu("IDS_LANGUAGE"), kLanguage, {}},
        {TextKey{kCase, "IDS_HELPS"}, 0, {kWearInstructions, kHelp, kAbout}},
    };
    return menu;
}

const std::vector<int>& ToolbarCommands() {
    using namespace command;
    static const std::vector<int> buttons = {kWearInstructions, kUpload,     kDownload,
                                             kOpenCase,         kTrendGraph, kEditReadings,
                                             kBarGraph,         kPieChart,   kCorrelationChart,
                                             kClinicalSummary,  kReport,     kStatistics,
                                             kRecordingInfo,    kHelp,       kExit};
    return buttons;
}

}  // namespace vitalis
