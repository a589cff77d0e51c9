#include "shell/AppConfig.h"

#include "case/FileAccess.h"
#include "case/ProfileStore.h"
#include "case/TextSource.h"
#include "shell/ConfigLocation.h"
#include "shell/DefaultCaseFolder.h"
#include "shell/GuidelineSetting.h"
#include "shell/ProgramFolder.h"
#include "shell/ThresholdKeys.h"

namespace vitalis {

namespace {

constexpr std::string_view kGlobal = "Previous Config";
constexpr std::string_view kFamily = "family";

SilentMessages& NobodyListening() {
    static SilentMessages silent;
    return silent;
}

// The schedule and identity keys the upload dialog leaves for its next run.
void ReadUploadDefaults(const ProfileStore& file, std::string_view section, UploadDefaults& u) {
    u.patient.name = file.GetString(section, "PatientName", "");
    u.patient.id = file.GetString(section, "PatientID", "");
    u.awakeTime = file.GetInt(section, "Awake Time", 14);
    u.awakeSpan = file.GetInt(section, "Awake Span", 0);
    u.asleepTime = file.GetInt(section, "Asleep Time", 44);
    u.asleepSpan = file.GetInt(section, "Asleep Span", 1);
}

void WriteUploadDefaults(ProfileStore& file, std::string_view section, const UploadDefaults& u) {
    file.WriteString(section, "PatientName", u.patient.name);
    file.WriteString(section, "PatientID", u.patient.id);
    file.WriteInt(section, "Awake Time", u.awakeTime);
    file.WriteInt(section, "Awake Span", u.awakeSpan);
    file.WriteInt(section, "Asleep Time", u.asleepTime);
    file.WriteInt(section, "Asleep Span", u.asleepSpan);
}

}  // namespace

AppConfig::AppConfig(LanguageTable& languages)
    : languages_(languages),
      messages_(&NobodyListening()),
      applicationDirectory_(RunningProgramFolder()) {}

AppConfig::~AppConfig() = default;

void AppConfig::SetApplicationDirectory(std::string directory) {
    // Never an empty folder: paths built on it would point at the root of the file system.
    applicationDirectory_ = directory.empty() ? RunningProgramFolder() : std::move(directory);
}

std::string AppConfig::ConfigFilePath() const {
    return ConfigReadPath(applicationDirectory_);
}

std::string AppConfig::StartFilePath() const {
    return applicationDirectory_ + "/Cnf.start";
}

std::string AppConfig::DefaultCaseFolder() const {
    return DefaultCaseFolderFor(applicationDirectory_);
}

std::string AppConfig::ReportFilePath() const {
    return applicationDirectory_ + "/Report_" + currentConfig + ".ini";
}

bool AppConfig::Load() {
    languages_.SetApplicationDirectory(applicationDirectory_);
    {
        settingsOnFile_ = FileExists(ConfigFilePath());
        ProfileStore file(ConfigFilePath(), ProfileOpen::ExistingOnly);
        ProfileStore::Batch oneRead(file);
        readFailed_ = file.ReadFailed();
        useBluetooth = file.GetInt(kGlobal, "UseBluetooth", 0) != 0 ? 1 : 0;
        showSelectDevice = file.GetInt(kGlobal, "ShowSelectDevice", 1) != 0 ? 1 : 0;
        language = file.GetString(kGlobal, "Language", "English");
    }
    // Choosing the language stores the name again, so the file is read before this.
    languages_.SetLanguage(language);
    if (readFailed_) TellReadFailure();

    currentConfig = std::string(kFamily);
    const std::string section = ConfigSection();
    ProfileStore file(ConfigFilePath(), ProfileOpen::ExistingOnly);
    ProfileStore::Batch oneRead(file);
    ReadUploadDefaults(file, section, upload);
    useDefaultPath = file.GetInt(section, "Use Default Path", 1);
    caseFolder = DefaultCaseFolder();
    if (useDefaultPath == 0) {
        const std::string stored = file.GetString(section, "Patient File Path", caseFolder);
        if (!stored.empty()) caseFolder = stored;
    }
    thresholds = ReadThresholdSettings(file, section);
    guideline = ReadGuidelineId(file, section);
    configNames.assign(1, std::string(kFamily));
    stored_ = Values();
    return true;
}

// The language chosen during the run is in "Cnf.start"; it may be newer than ours. Without
// that file our own name stays: a save must not switch the language back.
void AppConfig::AdoptReportProgramLanguage() {
    const ProfileStore start(StartFilePath(), ProfileOpen::ExistingOnly);
    language = start.GetString("START", "Language", language);
}

bool AppConfig::Save() {
    AdoptReportProgramLanguage();
    // What we hold of a file we could not read is not its content.
    if (readFailed_ &&
        ConfigReadPath(applicationDirectory_) == ConfigWritePath(applicationDirectory_))
        return false;
    ProfileStore file(ConfigWritePath(applicationDirectory_));
    ProfileStore::Batch batch(file);
    file.WriteString(kGlobal, "Current Config", kFamily);
    file.WriteInt(kGlobal, "UseBluetooth", useBluetooth);
    file.WriteInt(kGlobal, "ShowSelectDevice", showSelectDevice);
    const std::string section = ConfigSection();
    WriteUploadDefaults(file, section, upload);
    file.WriteInt(section, "Use Default Path", useDefaultPath);
    file.WriteString(section, "Patient File Path", caseFolder);
    WriteThresholdSettings(file, section, thresholds);
    WriteGuidelineId(file, section, guideline);
    file.WriteString(section, "Config Name", currentConfig);
    file.WriteString(kGlobal, "Language", language);
    if (!batch.Commit()) return false;
    stored_ = Values();
    settingsOnFile_ = true;
    return true;
}

AppConfig::StoredValues AppConfig::Values() const {
    return {useBluetooth, showSelectDevice, language, useDefaultPath, caseFolder,
            thresholds,   guideline,        upload,   currentConfig};
}

bool AppConfig::SaveIfChanged() {
    AdoptReportProgramLanguage();
    if (stored_ && *stored_ == Values()) return true;
    return SaveOrTell();
}

bool AppConfig::SaveOrTell() {
    if (Save()) return true;
    Tell(readFailed_ ? "IDS_CONFIG_UNREADABLE" : "IDS_CONFIG_NOT_SAVED",
         ConfigWritePath(applicationDirectory_));
    return false;
}

void AppConfig::TellReadFailure() {
    if (languages_.SectionCount() == 0)
        languages_.LoadLanguage();  // the message must be readable even this early
    Tell("IDS_CONFIG_UNREADABLE", ConfigFilePath());
}

void AppConfig::Tell(std::string_view key, const std::string& path) const {
    messages_->ShowMessage(languages_.GetText(kGlobalTexts, key) + "\r\n" + path);
}

bool AppConfig::ResetDefaults() {
    caseFolder = DefaultCaseFolder();
    useDefaultPath = 1;
    const ThresholdSettings defaults;
    thresholds.awakeSys = defaults.awakeSys;
    thresholds.awakeDia = defaults.awakeDia;
    thresholds.asleepSys = defaults.asleepSys;
    thresholds.asleepDia = defaults.asleepDia;
    guideline = std::string(clinical::kDefaultGuidelineId);
    reports.ResetDefaults();
    return true;
}

bool AppConfig::SelectConfig(const std::string&) {
    return true;
}

bool AppConfig::DeleteConfigSection(const std::string& name) {
    // The configuration in use keeps its section.
    if (name.empty() || name == currentConfig) return false;
    ProfileStore file(ConfigFilePath());
    return file.DeleteSection("Config" + name);
}

ReportTitles AppConfig::ReportTitleRule() const {
    return {"Ambulatory Blood Pressure Report", "Ambulatory Blood Pressure Report"};
}

ReportTitles AppConfigHeron::ReportTitleRule() const {
    return {languages().GetText(kTitleTexts, "IDS_TITLE_RPT"), "Blood Pressure Report"};
}

ReportLayouts& AppConfig::ReportsOnFile() {
    reports.SetFilePath(ReportFilePath());
    return reports;
}

bool AppConfig::Report(bool ok, std::string_view operation) {
    if (!ok) messages_->ShowMessage("Error in " + std::string(operation) + "!");
    return ok;
}

bool AppConfig::LoadReports() {
    return Report(ReportsOnFile().Load(ReportTitleRule()), "LoadReports");
}

bool AppConfig::SaveReports() {
    return Report(ReportsOnFile().Save(), "SaveReports");
}

bool AppConfig::LoadReportSection(const std::string& name) {
    return Report(ReportsOnFile().LoadSection(name), "LoadReportSection");
}

bool AppConfig::SaveReportSection(const std::string& name) {
    return Report(ReportsOnFile().SaveSection(name), "SaveReportSection");
}

bool AppConfig::AddReportSection(const std::string& name) {
    return Report(ReportsOnFile().Add(name), "AddReportSection");
}

bool AppConfig::DeleteReportSection(const std::string& name) {
    return Report(ReportsOnFile().Delete(name, ReportTitleRule()), "DeleteReportSection");
}

bool AppConfig::SetCurReportSettings(const std::string& name) {
    return Report(ReportsOnFile().SetCurrent(name, ReportTitleRule()), "SetCurReportSettings");
}

}  // namespace vitalis
