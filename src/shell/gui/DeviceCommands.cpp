#include "shell/gui/DeviceCommands.h"

#include <QApplication>
#include <QFileDialog>

#include "case/CaseFolder.h"
#include "case/NumberedText.h"

#include "case/TextSource.h"
#include "device/gui/UploadParameterDialog.h"
#include "device/session/ProgrammingPlan.h"
#include "device/session/SessionMessages.h"
#include "shell/AppConfig.h"
#include "shell/CommandTable.h"
#include "shell/LanguageTable.h"
#include "shell/UploadDefaultsChoices.h"
#include "shell/gui/CMainFrameHeron.h"
#include "shell/gui/CaseCommands.h"
#include "shell/gui/SessionLauncher.h"

namespace vitalis {

DeviceCommands::DeviceCommands(const WorkstationParts& parts, CaseCommands& cases)
    : parts_(parts), cases_(cases) {}

void DeviceCommands::AddTo(CommandMap& commands) {
    using namespace command;
    commands[kDownload] = [this] { Download(); };
    commands[kUpload] = [this] { Upload(); };
    commands[kLinkWay] = [this] { parts_.sessions.ChooseLinkWay(); };
}

void DeviceCommands::Download() {
    SessionLauncher& sessions = parts_.sessions;
    const std::optional<LinkTarget> link = sessions.ChooseLink();
    if (!link) return;
    SessionRequest request;
    request.kind = SessionKind::Download;
    request.target = *link;
    request.caseFolder = WritableCaseFolder(cases_.CaseFolder()).toStdString();
    if (request.caseFolder.empty()) return;
    const SessionLauncher::Outcome outcome = sessions.Run(request);
    if (outcome.result.cancelled) {
        const std::string cancelled =
            parts_.languages.GetText(kSessionSection, kSessionCancelledKey);
        parts_.frame.SetStatusText(QString::fromStdString(cancelled));
    }
    if (outcome.state != SessionState::Saved || outcome.result.savedPaths.empty()) return;
    // Offer the new case at once, as the window does for every saved download.
    cases_.OfferCase(QString::fromStdString(outcome.result.savedPaths.front()));
    QApplication::postEvent(&parts_.frame, new QEvent(CMainFrameHeron::kDownloadSavedEvent));
}

QString DeviceCommands::WritableCaseFolder(QString folder) {
    for (;;) {
        const std::string problem = CaseFolderWriteProblem(folder.toStdString());
        if (problem.empty()) return folder;
        const std::string question =
            FillNumbered(parts_.languages.GetText(kGlobalTexts, "IDS_FOLDER_NOT_WRITABLE"),
                         {folder.toStdString(), problem});
        if (!parts_.messages.confirm(&parts_.frame, QString::fromStdString(question))) return {};
        const std::string title = parts_.languages.GetText(kDialogTexts, "IDS_SEL_PATH");
        folder =
            QFileDialog::getExistingDirectory(&parts_.frame, QString::fromStdString(title), folder);
        if (folder.isEmpty()) return {};
    }
}

void DeviceCommands::Upload() {
    AppConfig& config = parts_.config;
    LanguageTable& languages = parts_.languages;
    const std::optional<LinkTarget> link = parts_.sessions.ChooseLink();
    if (!link) return;
    UploadParameterDialog dialog(languages,
                                 FreshProgrammingChoices(ChoicesFromDefaults(config.upload)),
                                 parts_.messages, &parts_.frame);
    if (dialog.exec() != QDialog::Accepted) return;
    // The schedule is offered again for the next programming run; the patient never is.
    const UploadChoices choices = dialog.choices();
    KeepAsDefaults(choices, config.upload);
    config.SaveIfChanged();
    SessionRequest request;
    request.kind = SessionKind::Upload;
    request.target = *link;
    request.upload = SettingsFromChoices(choices);
    const SessionLauncher::Outcome outcome = parts_.sessions.Run(request);
    // The session told its own messages; the message pane keeps how it ended.
    std::string ended = languages.GetText(kGlobalTexts, "IDS_UPLOAD_ERROR");
    if (outcome.result.cancelled) {
        ended = languages.GetText(kSessionSection, kSessionCancelledKey);
    } else if (outcome.result.acknowledged) {
        ended = languages.GetText(kGlobalTexts, "IDS_UPLOAD_FINISH");
    }
    parts_.frame.SetStatusText(QString::fromStdString(ended));
}

}  // namespace vitalis
