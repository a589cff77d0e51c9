#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "case/PatientIdentity.h"
#include "case/ThresholdSettings.h"
#include "shell/LanguageTable.h"
#include "shell/MessageSink.h"
#include "shell/ReportLayouts.h"

namespace vitalis {

// What the upload dialog offers for the next programming run. The schedule values are the
// positions of the chosen entries in the dialog's lists, stored as the dialog keeps them.
struct UploadDefaults {
    PatientIdentity patient;  // "PatientName", "PatientID"; no birth date or sex is kept
    int awakeTime = 14;       // "Awake Time"
    int awakeSpan = 0;        // "Awake Span"
    int asleepTime = 44;      // "Asleep Time"
    int asleepSpan = 1;       // "Asleep Span"

    bool operator==(const UploadDefaults&) const = default;
};

// The workstation's settings: "VurConfig.ini" in the application directory, read once at
// start-up and written back whenever a settings dialog is confirmed and at exit. Every part
// of the program reads settings from this object, never from the file; callers change the
// fields and then call Save.
//
// Reading never fails: missing files, sections and keys give the defaults below. Only the
// report operations tell the user about failures, each with its fixed text
// "Error in <operation>!" sent to the message sink.
class AppConfig {
  public:
    explicit AppConfig(LanguageTable& languages);
    virtual ~AppConfig();
    AppConfig(const AppConfig&) = delete;
    AppConfig& operator=(const AppConfig&) = delete;

    // The folder of the running program unless set otherwise (tests and tools choose their
    // own). Every file of the configuration lives there.
    void SetApplicationDirectory(std::string directory);
    const std::string& applicationDirectory() const { return applicationDirectory_; }
    std::string ConfigFilePath() const;  // "VurConfig.ini" as read (see ConfigLocation)
    std::string StartFilePath() const;   // "Cnf.start", the language for the report program
    // "<application directory>/data" when that folder exists, else the user's data folder
    // (see DefaultCaseFolderFor).
    std::string DefaultCaseFolder() const;
    std::string ReportFilePath() const;  // "Report_" + configuration name + ".ini"

    void SetMessageSink(MessageSink& sink) { messages_ = &sink; }
    LanguageTable& languages() const { return languages_; }

    // Always true: whatever is missing takes its default. A file that is there but cannot be
    // read is said so through the message sink; the defaults then hold and the file is never
    // written over. Nothing is created.
    virtual bool Load();
    // False when the file could not be written.
    virtual bool Save();
    // Saves only when a stored value differs from what was last read or saved, and says so
    // through the message sink when that save fails. False when it failed.
    bool SaveIfChanged();
    // Saves whether or not anything changed, and says so through the message sink when that
    // fails. False when it failed.
    bool SaveOrTell();
    bool readFailed() const { return readFailed_; }
    // No settings file was there to read and none has been written since: the program runs
    // for the first time for this user, and nothing the user chose is known yet.
    bool IsFirstStart() const { return !settingsOnFile_; }
    virtual bool ResetDefaults();
    virtual bool SelectConfig(const std::string& name);
    virtual bool LoadReportSection(const std::string& name);
    virtual bool SaveReportSection(const std::string& name);
    virtual bool DeleteReportSection(const std::string& name);
    virtual bool AddReportSection(const std::string& name);
    virtual bool DeleteConfigSection(const std::string& name);
    virtual bool LoadReports();
    virtual bool SaveReports();
    virtual bool SetCurReportSettings(const std::string& name);

    std::string ConfigSection() const { return "Config" + currentConfig; }

    int useBluetooth = 0;      // link of the last session: 0 cable, 1 Bluetooth
    int showSelectDevice = 1;  // 1: ask for the link before connecting
    std::string language = "English";
    int useDefaultPath = 1;  // 1: the case folder is the default one
    std::string caseFolder;  // where the case files are
    ThresholdSettings thresholds;
    std::string guideline = "esh2023";  // the clinical verdict's profile ("Guideline")
    UploadDefaults upload;
    std::vector<std::string> configNames{"family"};
    std::string currentConfig = "family";
    ReportLayouts reports;
    bool caseOpen = false;  // a case is open and divided; never stored

  protected:
    // The titles of layouts whose file gives none.
    virtual ReportTitles ReportTitleRule() const;
    bool Report(bool ok, std::string_view operation);
    // The layouts, pointed at this configuration's layout file.
    ReportLayouts& ReportsOnFile();

  private:
    // The values Save stores, to tell whether anything changed.
    struct StoredValues {
        int useBluetooth;
        int showSelectDevice;
        std::string language;
        int useDefaultPath;
        std::string caseFolder;
        ThresholdSettings thresholds;
        std::string guideline;
        UploadDefaults upload;
        std::string currentConfig;
        bool operator==(const StoredValues&) const = default;
    };
    StoredValues Values() const;
    void AdoptReportProgramLanguage();
    void TellReadFailure();
    void Tell(std::string_view key, const std::string& path) const;

    LanguageTable& languages_;
    MessageSink* messages_;
    std::string applicationDirectory_;
    std::optional<StoredValues> stored_;
    bool readFailed_ = false;
    bool settingsOnFile_ = false;
};

// The Heron workstation's configuration. With no current layout its report takes the
// language's default title ("IDS_TITLE_RPT" of section "Title"), and a current layout
// without a title of its own is a "Blood Pressure Report".
class AppConfigHeron final : public AppConfig {
  public:
    using AppConfig::AppConfig;

  protected:
    ReportTitles ReportTitleRule() const override;
};

}  // namespace vitalis
