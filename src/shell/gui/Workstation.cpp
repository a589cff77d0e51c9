#include "shell/gui/Workstation.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <utility>
#include <QDesktopServices>
#include <QIcon>
#include <QUrl>

#include "case/FileAccess.h"
#include "case/PatientSheet.h"
#include "case/SleepPeriod.h"
#include "case/gui/CaseCopyDialog.h"
#include "case/gui/CaseDeleteDialog.h"
#include "case/gui/CaseOpenDialog.h"
#include "case/gui/MeasurementEditorDialog.h"
#include "device/SessionMessages.h"
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
#include "device/gui/LinkWayDialog.h"
#include "shell/gui/ConfigurationSheet.h"
#include "shell/gui/LanguageDialog.h"
#include "shell/gui/RecordingParametersDialog.h"
#include "shell/gui/PatientSheetDialog.h"
#include "shell/gui/ReportLauncher.h"
#include "shell/gui/SessionLauncher.h"
#include "shell/gui/SleepPeriodDialog.h"
#include "shell/gui/ThresholdPage.h"
#include "shell/gui/WearDialog.h"
#include "views/CTensioView.h"

namespace vitalis {

Workstation::Workstation(AppConfig& config, UserMessages messages)
    : config_(config), languages_(config.languages()), messages_(std::move(messages)) {}

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
    view_ = new CTensioView(
        *doc_, languages_, [this]() -> const ThresholdSettings& { return config_.thresholds; },
        messages_, frame_.get());
    frame_->setCentralWidget(view_);
    connect(frame_.get(), &CMainFrameHeron::commandTriggered, this, &Workstation::Run);
    connect(view_, &CTensioView::statusTextChanged, frame_.get(), &CMainFrameHeron::SetStatusText);
    // What the trend graph asks for, carried out on the case.
    connect(view_, &CTensioView::excludeReadingRequested, this, &Workstation::ToggleExclusion);
    connect(view_, &CTensioView::sleepPeriodRequested, this, &Workstation::ApplySleepPeriod);
    connect(doc_.get(), &CTensioDoc::caseOpenChanged, this, [this](bool open) {
        config_.caseOpen = open;
        frame_->SetCaseOpen(open);
    });
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
    doc_->SaveOpenCase();
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
                                              {kCorrelationChart, PageKind::Correlation}};
    for (const auto& [id, kind] : pages) {
        if (!view_->controller().HasPage(kind)) frame_->SetUnavailable(id, later);
    }
}

void Workstation::Run(int commandId) {
    using namespace command;
    switch (commandId) {
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
        default: break;  // disabled in this version
    }
}

bool Workstation::OpenCase(const QString& path) { return view_->OpenCase(path); }

void Workstation::Download() {
    const std::optional<LinkTarget> link = sessions_->ChooseLink();
    if (!link) return;
    SessionRequest request;
    request.kind = SessionKind::Download;
    request.target = *link;
    request.caseFolder = CaseFolder().toStdString();
    const SessionLauncher::Outcome outcome = sessions_->Run(request);
    if (outcome.state != SessionState::Saved || outcome.result.savedPaths.empty()) return;
    // Offer the new case at once, as the window does for every saved download.
    savedCasePath_ = QString::fromStdString(outcome.result.savedPaths.front());
    QApplication::postEvent(frame_.get(), new QEvent(CMainFrameHeron::kDownloadSavedEvent));
}

void Workstation::Upload() {
    const std::optional<LinkTarget> link = sessions_->ChooseLink();
    if (!link) return;
    UploadParameterDialog dialog(languages_, ChoicesFromDefaults(config_.upload), messages_,
                                 frame_.get());
    if (dialog.exec() != QDialog::Accepted) return;
    // The patient and schedule are offered again for the next programming run.
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
    if (dialog.exec() == QDialog::Accepted) view_->Reanalyse();
}

void Workstation::ShowSettings(int page) {
    ConfigurationSheet sheet(config_, languages_, messages_, frame_.get());
    auto* thresholds = new ThresholdPage(languages_, config_.thresholds);
    sheet.AddPage(thresholds, thresholds->windowTitle(), [this, thresholds, &sheet] {
        const ThresholdSettings shown = thresholds->values();
        if (!ThresholdsAcceptable(shown)) {
            messages_.inform(&sheet, QString::fromLatin1(kThresholdRefusal.data(),
                                                         static_cast<int>(kThresholdRefusal.size())));
            return false;
        }
        config_.thresholds = shown;
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
    if (!FileExists(path) || !QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)))) {
        messages_.inform(frame_.get(), QString::fromStdString(languages_.GetText("Global Setting", "IDS_ERROR")) +
                                           QStringLiteral("\n") + QString::fromStdString(path));
    }
}

void Workstation::ChooseLinkWay() {
    LinkWayDialog dialog(languages_, config_.useBluetooth, config_.showSelectDevice, frame_.get());
    if (dialog.exec() != QDialog::Accepted) return;
    config_.useBluetooth = dialog.useBluetooth();
    config_.showSelectDevice = dialog.showSelectDevice();
    config_.Save();
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
    ApplySleepPeriod(dialog.awakeEntry(), dialog.asleepEntry());
}

void Workstation::ApplySleepPeriod(int awakeEntry, int asleepEntry) {
    if (!doc_->caseOpen()) return;
    if (!vitalis::ChangeSleepPeriod(doc_->recording(), awakeEntry, asleepEntry)) {
        messages_.inform(frame_.get(), QString::fromStdString(
                                           languages_.GetText("Global Setting", "IDS_FAILEDFILE")));
        return;
    }
    view_->Reanalyse();
}

void Workstation::ToggleExclusion(int measurementIndex) {
    if (!doc_->caseOpen()) return;
    Recording& recording = doc_->recording();
    auto& all = recording.editableMeasurements();
    if (measurementIndex < 0 || static_cast<size_t>(measurementIndex) >= all.size()) return;
    Measurement& m = all[static_cast<size_t>(measurementIndex)];
    m.valid = m.valid == 1 ? 0 : 1;
    recording.RebuildValidMeasurements();
    view_->Reanalyse();
}

void Workstation::EditPatientSheet() {
    if (!doc_->caseOpen()) return;
    const auto text = [this](const char* key) {
        return QString::fromStdString(languages_.GetText("Global Setting", key));
    };
    Recording& recording = doc_->recording();
    const std::optional<PatientSheet> stored = ReadPatientSheet(recording.casePath);
    if (!stored) {
        messages_.inform(frame_.get(), text("IDS_DOC_ERROR"));
        return;
    }
    PatientSheetDialog dialog(languages_, *stored, Today(), frame_.get());
    if (dialog.exec() != QDialog::Accepted) return;
    if (!WritePatientSheet(recording.casePath, dialog.sheet())) {
        messages_.inform(frame_.get(), text("IDS_FAILEDFILE"));
        return;
    }
    // The recording takes the values as the file now holds them; its readings and their
    // unsaved marks stay as they are.
    if (const auto saved = ReadPatientSheet(recording.casePath)) {
        ApplyPatientSheet(*saved, recording);
    }
    frame_->SetStatusText(view_->statusText());
    view_->update();
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
