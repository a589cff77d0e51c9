#include "shell/gui/Workstation.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <utility>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

#include "case/CaseFolder.h"
#include "case/CaseHistory.h"
#include "case/NumberedText.h"
#include "case/FileAccess.h"
#include "case/PatientSheet.h"
#include "case/SleepPeriod.h"
#include "case/gui/CaseCopyDialog.h"
#include "case/gui/CaseDeleteDialog.h"
#include "case/gui/CaseOpenDialog.h"
#include "case/gui/MeasurementEditorDialog.h"
#include "device/session/SessionMessages.h"
#include "device/gui/UploadParameterDialog.h"
#include "shell/AppConfig.h"
#include "shell/CommandTable.h"
#include "shell/HelpDocument.h"
#include "shell/LanguageChoice.h"
#include "shell/ReportHandOffFolder.h"
#include "shell/UploadDefaultsChoices.h"
#include "shell/WearInstructions.h"
#include "shell/gui/AboutDialog.h"
#include "shell/gui/CMainFrameHeron.h"
#include "shell/gui/CTensioDoc.h"
#include "shell/gui/ConfigurationSheet.h"
#include "shell/gui/LanguageDialog.h"
#include "shell/gui/RecordingParametersDialog.h"
#include "shell/gui/PatientSheetDialog.h"
#include "shell/gui/ReportLauncher.h"
#include "shell/gui/SessionLauncher.h"
#include "case/gui/RecordingPickerDialog.h"
#include "device/session/ProgrammingPlan.h"
#include "shell/gui/HelpWindow.h"
#include "shell/gui/SleepPeriodDialog.h"
#include "shell/gui/ThresholdPage.h"
#include "shell/gui/WearDialog.h"
#include "views/CTensioView.h"

namespace vitalis {

namespace {

int AskWithButtons(QWidget* parent, const QString& text, const QStringList& answers) {
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(kApplicationTitle), text,
                    QMessageBox::NoButton, parent);
    std::vector<QAbstractButton*> buttons;
    for (const QString& answer : answers) buttons.push_back(box.addButton(answer, QMessageBox::ActionRole));
    if (!buttons.empty()) box.setDefaultButton(static_cast<QPushButton*>(buttons.front()));
    box.exec();
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (box.clickedButton() == buttons[i]) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

Workstation::Workstation(AppConfig& config, UserMessages messages)
    : config_(config),
      languages_(config.languages()),
      messages_(std::move(messages)),
      choose_(AskWithButtons),
      askSaveAsPath_([](QWidget* parent) {
          return QFileDialog::getSaveFileName(parent, QString(), QString(), QStringLiteral("*.awp"));
      }) {}

Workstation::~Workstation() { Exit(); }

void Workstation::WindowMessages::ShowMessage(std::string_view text) {
    owner_.messages_.inform(owner_.frame_.get(), QString::fromUtf8(text.data(), static_cast<int>(text.size())));
}

void Workstation::Start(const QStringList& arguments) {
    config_.SetMessageSink(configMessages_);
    config_.Load();
    StartLanguage(languages_);

    doc_ = std::make_unique<CTensioDoc>();
    // The analysis reads the configuration's thresholds, so a change applies without reloading.
    doc_->recording().thresholdSource = &config_.thresholds;
    frame_ = std::make_unique<CMainFrameHeron>(languages_);
    doc_->SetRunChooser([this](const std::vector<RecordingRun>& runs) {
        RecordingPickerDialog picker(languages_, runs, frame_.get());
        CTensioDoc::RunChoice choice;
        choice.cancelled = picker.exec() != QDialog::Accepted;
        choice.run = picker.chosenRun();
        return choice;
    });
    view_ = new CTensioView(
        *doc_, languages_, [this]() -> const ThresholdSettings& { return config_.thresholds; },
        messages_, frame_.get());
    view_->SetGuidelineSource([this]() -> const std::string& { return config_.guideline; });
    frame_->setCentralWidget(view_);
    connect(frame_.get(), &CMainFrameHeron::commandTriggered, this, &Workstation::Run);
    connect(view_, &CTensioView::statusTextChanged, frame_.get(), &CMainFrameHeron::SetStatusText);
    // What the graph asks for goes through the undo history like every other edit.
    connect(view_, &CTensioView::excludeReadingRequested, this,
            [this](int measurementIndex) { doc_->ToggleExclusion(measurementIndex); });
    connect(view_, &CTensioView::sleepPeriodRequested, this,
            [this](int awakeEntry, int asleepEntry) { doc_->SetSleepPeriod(awakeEntry, asleepEntry); });
    connect(doc_.get(), &CTensioDoc::caseOpenChanged, this, [this](bool open) {
        config_.caseOpen = open;
        frame_->SetCaseOpen(open);
    });
    connect(doc_.get(), &CTensioDoc::editsChanged, this, &Workstation::EditsChanged);
    frame_->installEventFilter(this);
    sessions_ = std::make_unique<SessionLauncher>(config_, languages_, frame_.get());
    report_ = new ReportLauncher(config_, messages_, frame_.get());
    MarkUnavailableCommands();

    const QString icon = QString::fromStdString(config_.applicationDirectory()) + QStringLiteral("/res/Logo.ico");
    if (QFile::exists(icon)) {
        frame_->setWindowIcon(QIcon(icon));
        QApplication::setWindowIcon(QIcon(icon));
    }
    frame_->setWindowTitle(QString::fromLatin1(kApplicationTitle));
    config_.LoadReports();

    // "--link LINK" fixes the monitor's link; a case file named on the command line is opened.
    QString caseFile;
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QStringLiteral("--link") && i + 1 < arguments.size()) {
            const auto link = ParseLinkTarget(arguments[++i].toStdString());
            if (link) sessions_->SetLinkOverride(link);
        } else if (!arguments[i].startsWith(QLatin1Char('-')) && caseFile.isEmpty()) {
            caseFile = arguments[i];
        }
    }
    if (!caseFile.isEmpty()) OpenCase(caseFile);
}

void Workstation::Exit() {
    if (exited_ || !doc_) return;
    exited_ = true;
    // The window asked about unsaved changes as it closed: nothing is saved here.
    config_.Save();
    config_.SaveReports();
    RemoveReportHandOffFolder(config_.applicationDirectory());
}

QString Workstation::CaseFolder() const {
    const std::string folder =
        config_.useDefaultPath != 0 ? config_.DefaultCaseFolder() : config_.caseFolder;
    return QString::fromStdString(folder);
}

QString Workstation::BrowsingFolder() const {
    return lastFolder_.isEmpty() ? CaseFolder() : lastFolder_;
}

void Workstation::MarkUnavailableCommands() {
    // Commands whose windows this version does not have yet stay visible but disabled, with
    // the reason in their tip.
    const QString later = QStringLiteral("not available in this version");
    using namespace command;
    for (const int id : {kFilePreview}) {
        frame_->SetUnavailable(id, later);
    }
    const std::pair<int, PageKind> pages[] = {{kTrendGraph, PageKind::Trend},
                                              {kBarGraph, PageKind::Histogram},
                                              {kPieChart, PageKind::Pie},
                                              {kCorrelationChart, PageKind::Correlation},
                                              {kClinicalSummary, PageKind::Clinical}};
    for (const auto& [id, kind] : pages) {
        if (!view_->controller().HasPage(kind)) frame_->SetUnavailable(id, later);
    }
}

bool Workstation::eventFilter(QObject* watched, QEvent* event) {
    if (watched == frame_.get() && event->type() == QEvent::Close && !ConfirmCloseCase()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void Workstation::EditsChanged() {
    CaseEditor& editor = doc_->editor();
    frame_->SetEditState(editor.CanUndo(), editor.CanRedo(), doc_->HasUnsavedChanges());
    if (!doc_->caseOpen()) return;
    view_->Reanalyse();
    frame_->SetStatusText(view_->statusText());
}

bool Workstation::ConfirmCloseCase() {
    if (!doc_ || !doc_->HasUnsavedChanges()) return true;
    const auto text = [this](const char* section, const char* key) {
        return QString::fromStdString(languages_.GetText(section, key));
    };
    QString question = text("Global Setting", "IDS_UNSAVED_CHANGES");
    for (const std::string& change : doc_->editor().UnsavedChanges()) {
        question += QStringLiteral("\n") + QString::fromStdString(change);
    }
    const int answer = choose_(frame_.get(), question,
                               {text("Global Setting", "IDS_SAVE_CHANGES"),
                                text("Global Setting", "IDS_DISCARD_CHANGES"),
                                text("Message Setting", "IDS_CANCEL")});
    if (answer == 0) return SaveCase(frame_.get());
    return answer == 1;
}

bool Workstation::SaveCase(QWidget* parent) {
    const auto text = [this](const char* section, const char* key) {
        return QString::fromStdString(languages_.GetText(section, key));
    };
    while (!doc_->Save()) {
        const QString failed = text("Global Setting", "IDS_FAILEDFILE") + QStringLiteral("\n") +
                               doc_->casePath();
        const int answer = choose_(parent, failed,
                                   {text("Global Setting", "IDS_RETRY_SAVE"),
                                    text("Global Setting", "IDS_SAVE_CASE_AS"),
                                    text("Message Setting", "IDS_CANCEL")});
        if (answer == 0) continue;
        if (answer != 1) return false;
        const QString other = askSaveAsPath_(parent);
        if (other.isEmpty()) continue;
        if (doc_->SaveAs(other)) return true;
    }
    return true;
}

void Workstation::Run(int commandId) {
    using namespace command;
    switch (commandId) {
        case editcommand::kUndo: doc_->Undo(); break;
        case editcommand::kRedo: doc_->Redo(); break;
        case editcommand::kSave: SaveCase(frame_.get()); break;
        case kOpenCase: OpenCaseDialog(); break;
        case kCopyCases: CopyCasesDialog(); break;
        case kDeleteCases: DeleteCasesDialog(); break;
        case kExit: frame_->close(); break;
        case kLanguage: ChooseLanguage(); break;
        case kAbout: AboutDialog(frame_.get()).exec(); break;
        case kStatistics: view_->ShowStatistics(); break;
        case kEditReadings: EditReadings(); break;
        case kDownload: Download(); break;
        case kLinkWay: ChooseLinkWay(); break;
        case kHelp: ShowHelp(); break;
        case kCaseFolderSettings: ShowSettings(ConfigurationSheet::kCaseFolderPage); break;
        case kReportSettings: ShowSettings(ConfigurationSheet::kReportPage); break;
        case kRecordingInfo:
            if (doc_->caseOpen()) RecordingParametersDialog(doc_->recording(), languages_, frame_.get()).exec();
            break;
        case kUpload: Upload(); break;
        case kSleepPeriod: ChangeSleepPeriod(); break;
        case kThresholdSettings: ShowSettings(kThresholdPage); break;
        case kPatientData: EditPatientSheet(); break;
        case kWearInstructions: ShowWearInstructions(); break;
        case kReport:
            if (doc_->caseOpen()) report_->Start(doc_->recording());
            break;
        case kPrinterSetup: report_->PrinterSetup(); break;
        case kTrendGraph: view_->ShowPage(PageKind::Trend); break;
        case kBarGraph: view_->ShowPage(PageKind::Histogram); break;
        case kPieChart: view_->ShowPage(PageKind::Pie); break;
        case kCorrelationChart: view_->ShowPage(PageKind::Correlation); break;
        case kClinicalSummary: view_->ShowPage(PageKind::Clinical); break;
        default: break;  // disabled in this version
    }
}

bool Workstation::OpenCase(const QString& path) {
    if (!ConfirmCloseCase()) return false;
    return view_->OpenCase(path);
}

void Workstation::Download() {
    const std::optional<LinkTarget> link = sessions_->ChooseLink();
    if (!link) return;
    SessionRequest request;
    request.kind = SessionKind::Download;
    request.target = *link;
    request.caseFolder = WritableCaseFolder(CaseFolder()).toStdString();
    if (request.caseFolder.empty()) return;
    const SessionLauncher::Outcome outcome = sessions_->Run(request);
    if (outcome.result.cancelled) {
        const std::string cancelled = languages_.GetText(kSessionSection, kSessionCancelledKey);
        frame_->SetStatusText(QString::fromStdString(cancelled));
    }
    if (outcome.state != SessionState::Saved || outcome.result.savedPaths.empty()) return;
    // Offer the new case at once, as the window does for every saved download.
    savedCasePath_ = QString::fromStdString(outcome.result.savedPaths.front());
    QApplication::postEvent(frame_.get(), new QEvent(CMainFrameHeron::kDownloadSavedEvent));
}

QString Workstation::WritableCaseFolder(QString folder) {
    for (;;) {
        const std::string problem = CaseFolderWriteProblem(folder.toStdString());
        if (problem.empty()) return folder;
        const std::string question =
            FillNumbered(languages_.GetText("Global Setting", "IDS_FOLDER_NOT_WRITABLE"),
                         {folder.toStdString(), problem});
        if (!messages_.confirm(frame_.get(), QString::fromStdString(question))) return {};
        const std::string title = languages_.GetText("Dialog Setting", "IDS_SEL_PATH");
        folder = QFileDialog::getExistingDirectory(frame_.get(), QString::fromStdString(title), folder);
        if (folder.isEmpty()) return {};
    }
}

void Workstation::Upload() {
    const std::optional<LinkTarget> link = sessions_->ChooseLink();
    if (!link) return;
    UploadParameterDialog dialog(languages_, FreshProgrammingChoices(ChoicesFromDefaults(config_.upload)), messages_,
                                 frame_.get());
    if (dialog.exec() != QDialog::Accepted) return;
    // The schedule is offered again for the next programming run; the patient never is.
    const UploadChoices choices = dialog.choices();
    KeepAsDefaults(choices, config_.upload);
    config_.Save();
    SessionRequest request;
    request.kind = SessionKind::Upload;
    request.target = *link;
    request.upload = SettingsFromChoices(choices);
    const SessionLauncher::Outcome outcome = sessions_->Run(request);
    // The session told its own messages; the message pane keeps how it ended.
    std::string ended = languages_.GetText("Global Setting", "IDS_UPLOAD_ERROR");
    if (outcome.result.cancelled) {
        ended = languages_.GetText(kSessionSection, kSessionCancelledKey);
    } else if (outcome.result.acknowledged) {
        ended = languages_.GetText("Global Setting", "IDS_UPLOAD_FINISH");
    }
    frame_->SetStatusText(QString::fromStdString(ended));
}

void Workstation::OpenCaseDialog() {
    const QString offeredPath = std::exchange(savedCasePath_, QString());
    QString folder = BrowsingFolder();
    if (!offeredPath.isEmpty()) folder = QFileInfo(offeredPath).absolutePath();
    CreateFolders(folder.toStdString());
    CaseOpenDialog dialog(languages_, doc_->fileTable(), folder, messages_, frame_.get());
    if (!offeredPath.isEmpty()) dialog.SelectFile(offeredPath);
    if (dialog.exec() != QDialog::Accepted) return;
    lastFolder_ = dialog.folder();
    OpenCase(dialog.chosenPath());
    config_.Save();
}

void Workstation::CopyCasesDialog() {
    const QString folder = BrowsingFolder();
    auto chooseTarget = [this](QWidget* parent) {
        return QFileDialog::getExistingDirectory(
            parent, QString::fromStdString(languages_.GetText("Dialog Setting", "IDS_SEL_PATH")));
    };
    CaseCopyDialog dialog(languages_, doc_->fileTable(), folder, messages_, chooseTarget, frame_.get());
    dialog.exec();
}

void Workstation::DeleteCasesDialog() {
    const QString folder = BrowsingFolder();
    const QString open = doc_->caseOpen() ? doc_->casePath() : QString();
    CaseDeleteDialog dialog(languages_, doc_->fileTable(), folder, messages_, open, frame_.get());
    dialog.exec();
}

void Workstation::EditReadings() {
    if (!doc_->caseOpen()) return;
    auto chooseCsvPath = [](QWidget* parent) {
        return QFileDialog::getSaveFileName(parent, QString(), QString(),
                                            QStringLiteral("All Files(*.CSV)"));
    };
    MeasurementEditorDialog dialog(doc_->recording(), languages_, messages_, chooseCsvPath,
                                   frame_.get());
    dialog.SetSaving([this](const std::vector<ReadingMark>& marks, QWidget* parent) {
        const bool applied = doc_->SetReadingMarks(marks);
        if (SaveCase(parent)) return true;
        // The list keeps the edits; the case takes them only with OK.
        if (applied) doc_->Undo();
        return false;
    });
    if (dialog.exec() == QDialog::Accepted) doc_->SetReadingMarks(dialog.marks());
}

void Workstation::ShowSettings(int page) {
    ConfigurationSheet sheet(config_, languages_, messages_, frame_.get());
    auto* thresholds = new ThresholdPage(languages_, config_.thresholds, config_.guideline);
    sheet.AddPage(thresholds, thresholds->windowTitle(), [this, thresholds, &sheet] {
        const ThresholdSettings shown = thresholds->values();
        if (!ThresholdsAcceptable(shown)) {
            messages_.inform(&sheet, QString::fromLatin1(kThresholdRefusal.data(),
                                                         static_cast<int>(kThresholdRefusal.size())));
            return false;
        }
        config_.thresholds = shown;
        config_.guideline = thresholds->guideline();
        return true;
    });
    sheet.ShowPage(page);
    if (sheet.exec() != QDialog::Accepted) return;
    lastFolder_.clear();  // the case folder may have moved
    view_->Reanalyse();
    view_->update();
}

void Workstation::ShowHelp() {
    std::string path = HelpDocumentPath(config_.applicationDirectory(), languages_.GetCurrentLanguageName());
    if (!FileExists(path)) path = HelpDocumentPath(config_.applicationDirectory(), "English");
    if (!help_) help_ = new HelpWindow(frame_.get());
    const QString title = QString::fromStdString(languages_.GetText("Menu Setting", "IDS_HELP_DOCUMENT"));
    if (!FileExists(path) || !help_->ShowGuide(QString::fromStdString(path), title)) {
        messages_.inform(frame_.get(), QString::fromStdString(languages_.GetText("Global Setting", "IDS_ERROR")) +
                                           QStringLiteral("\n") + QString::fromStdString(path));
    }
}

void Workstation::ChooseLinkWay() {
    sessions_->ChooseLinkWay();
}

void Workstation::ChooseLanguage() {
    LanguageDialog dialog(languages_, frame_.get());
    if (dialog.exec() != QDialog::Accepted) return;
    Relabel();
}

void Workstation::ChangeSleepPeriod() {
    if (!doc_->caseOpen()) return;
    Recording& recording = doc_->recording();
    SleepPeriodDialog dialog(languages_, recording.awakeStart, recording.asleepStart,
                             frame_.get());
    if (dialog.exec() != QDialog::Accepted) return;
    doc_->SetSleepPeriod(dialog.awakeEntry(), dialog.asleepEntry());
}

void Workstation::EditPatientSheet() {
    if (!doc_->caseOpen()) return;
    PatientSheetDialog dialog(languages_, doc_->editor().sheet(), Today(), frame_.get());
    QStringList history;
    for (const std::string& line : ReadHistory(doc_->recording().casePath)) {
        history << QString::fromStdString(line);
    }
    dialog.ShowHistory(history);
    if (dialog.exec() != QDialog::Accepted) return;
    doc_->SetPatientSheet(dialog.sheet());
}

void Workstation::ShowWearInstructions() {
    const std::string picture =
        WearPicturePath(config_.applicationDirectory(), languages_.GetCurrentLanguageName());
    WearDialog dialog(languages_, QString::fromStdString(picture), frame_.get());
    dialog.exec();
}

void Workstation::Relabel() {
    frame_->setWindowTitle(QString::fromLatin1(kApplicationTitle));
    view_->Relabel();
    frame_->Relabel();
    frame_->SetStatusText(view_->statusText().isEmpty()
                              ? QString::fromStdString(languages_.GetText("Global Setting", "IDS_IDLEMESSAGE"))
                              : view_->statusText());
}

}  // namespace vitalis
