#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "shell/MessageSink.h"
#include "shell/gui/FileExports.h"
#include "shell/gui/WorkstationParts.h"
#include "ui/UserMessages.h"

class QStackedWidget;

namespace vitalis {

class CaseCommands;
class DeviceCommands;
class WelcomePage;
class ReportCommands;
class ViewCommands;

// The workstation as a whole: it starts up in order (configuration, language, window, report
// layouts, a case named on the command line), routes every command of the main window to
// its family (case, device, report, view commands), and shuts down in order.
class Workstation : public QObject {
    Q_OBJECT

  public:
    Workstation(AppConfig& config, UserMessages messages);
    ~Workstation() override;

    // Loads the configuration and language and builds the window (not yet shown).
    void Start(const QStringList& arguments);
    // On the first start only, asks where the case files go and stores the answer at once, so
    // the next start does not ask. Cancel keeps the default folder and counts as an answer.
    void AskCaseFolderOnFirstStart();
    // Saves the open case, the configuration and the report layouts and removes the
    // report hand-off folder. Runs once, when the window closes.
    void Exit();

    void Run(int commandId);
    // Sets every caption again after the language changed.
    void Relabel();
    bool OpenCase(const QString& path);  // the case-opened sequence, as the open dialog ends
    QString CaseFolder() const;

    // Asks a question with the given answers; the index of the answer, -1 when closed.
    using Choice =
        std::function<int(QWidget* parent, const QString& text, const QStringList& answers)>;
    void SetChoice(Choice choice) { choose_ = std::move(choice); }
    // Asks where to save a case under another name; empty when cancelled.
    void SetSaveAsPath(std::function<QString(QWidget*)> ask) { askSaveAsPath_ = std::move(ask); }
    // Asks where an export of the open case goes.
    void SetExportPath(ExportPathChoice ask) { askExportPath_ = std::move(ask); }
    // With unsaved changes: Save, Discard or Cancel. True when the case may be closed.
    bool ConfirmCloseCase();
    // Saves the open case; when that fails, says so and offers Retry, Save As and Cancel.
    // True when the changes are saved.
    bool SaveCase(QWidget* parent);

    CMainFrameHeron& frame() { return *frame_; }
    CTensioDoc& doc() { return *doc_; }
    CTensioView& view() { return *view_; }
    SessionLauncher& sessions() { return *sessions_; }
    ReportLauncher& report() { return *report_; }
    WelcomePage& welcome() { return *welcome_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void EditsChanged();
    // The view while a case is open, the welcome page while none is.
    void ShowCaseOpen(bool open);
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
    CTensioView* view_ = nullptr;      // owned by the frame
    WelcomePage* welcome_ = nullptr;   // owned by the frame
    QStackedWidget* pages_ = nullptr;  // the frame's central widget: welcome page or view
    WindowMessages configMessages_{*this};
    std::unique_ptr<SessionLauncher> sessions_;
    ReportLauncher* report_ = nullptr;  // owned by the frame
    std::unique_ptr<CaseCommands> cases_;
    std::unique_ptr<DeviceCommands> devices_;
    std::unique_ptr<ReportCommands> reports_;
    std::unique_ptr<ViewCommands> views_;
    CommandMap commands_;
    Choice choose_;
    std::function<QString(QWidget*)> askSaveAsPath_;
    ExportPathChoice askExportPath_ = AskExportPathWithDialog();
    bool exited_ = false;
};

}  // namespace vitalis
