#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

#include "shell/MessageSink.h"
#include "ui/UserMessages.h"

namespace vitalis {

class AppConfig;
class CMainFrameHeron;
class CTensioDoc;
class CTensioView;
class LanguageTable;
class ReportLauncher;
class SessionLauncher;

// The workstation as a whole: it starts up in order (configuration, language, window, report
// layouts, a case named on the command line), routes every command of the main window to
// the document, the view or itself, and shuts down in order.
class Workstation : public QObject {
    Q_OBJECT

public:
    Workstation(AppConfig& config, UserMessages messages);
    ~Workstation() override;

    // Loads the configuration and language and builds the window (not yet shown).
    void Start(const QStringList& arguments);
    // Saves the open case, the configuration and the report layouts and removes the
    // report hand-off folder. Runs once, when the window closes.
    void Exit();

    void Run(int commandId);
    // Sets every caption again after the language changed.
    void Relabel();
    bool OpenCase(const QString& path);  // the case-opened sequence, as the open dialog ends
    QString CaseFolder() const;

    CMainFrameHeron& frame() { return *frame_; }
    CTensioDoc& doc() { return *doc_; }
    CTensioView& view() { return *view_; }
    SessionLauncher& sessions() { return *sessions_; }
    ReportLauncher& report() { return *report_; }

private:
    // Where the case dialogs start: the folder last browsed to, else the case folder.
    QString BrowsingFolder() const;
    void OpenCaseDialog();
    void CopyCasesDialog();
    void DeleteCasesDialog();
    void EditReadings();
    void Download();
    void ChooseLinkWay();
    void ShowHelp();
    static constexpr int kThresholdPage = 2;  // after the case-folder and report pages
    void ShowSettings(int page);
    void Upload();
    void ChooseLanguage();
    void ChangeSleepPeriod();
    // The new sleep period (half-hour entries) written to the case, then the analysis again.
    void ApplySleepPeriod(int awakeEntry, int asleepEntry);
    // Excludes a reading or takes it back in, then the analysis again.
    void ToggleExclusion(int measurementIndex);
    void EditPatientSheet();
    void ShowWearInstructions();
    void MarkUnavailableCommands();

    // The configuration's messages, shown like every other message of the window.
    class WindowMessages final : public MessageSink {
    public:
        explicit WindowMessages(Workstation& owner) : owner_(owner) {}
        void ShowMessage(std::string_view text) override;

    private:
        Workstation& owner_;
    };

    AppConfig& config_;
    LanguageTable& languages_;
    UserMessages messages_;
    std::unique_ptr<CTensioDoc> doc_;
    std::unique_ptr<CMainFrameHeron> frame_;
    CTensioView* view_ = nullptr;  // owned by the frame
    WindowMessages configMessages_{*this};
    std::unique_ptr<SessionLauncher> sessions_;
    ReportLauncher* report_ = nullptr;  // owned by the frame
    QString savedCasePath_;  // offered by the open dialog after a download
    QString lastFolder_;
    bool exited_ = false;
};

}  // namespace vitalis
