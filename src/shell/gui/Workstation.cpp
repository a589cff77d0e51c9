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
#include "case/gui/CaseCopyDialog.h"
#include "case/gui/CaseDeleteDialog.h"
#include "case/gui/CaseOpenDialog.h"
#include "case/gui/MeasurementEditorDialog.h"
#include "shell/AppConfig.h"
#include "shell/CommandTable.h"
#include "shell/HelpDocument.h"
#include "shell/LanguageChoice.h"
#include "shell/ReportHandOffFolder.h"
#include "shell/gui/AboutDialog.h"
#include "shell/gui/CMainFrameHeron.h"
#include "shell/gui/CTensioDoc.h"
#include "device/gui/LinkWayDialog.h"
#include "shell/gui/ConfigurationSheet.h"
#include "shell/gui/LanguageDialog.h"
#include "shell/gui/RecordingParametersDialog.h"
#include "shell/gui/ReportLauncher.h"
#include "shell/gui/SessionLauncher.h"
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
    frame_ = std::make_unique<CMainFrameHeron>(languages_);
    view_ = new CTensioView(
        *doc_, languages_, [this]() -> const ThresholdSettings& { return config_.thresholds; },
        messages_, frame_.get());
    frame_->setCentralWidget(view_);
    connect(frame_.get(), &CMainFrameHeron::commandTriggered, this, &Workstation::Run);
    connect(view_, &CTensioView::statusTextChanged, frame_.get(), &CMainFrameHeron::SetStatusText);
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

void Workstation::MarkUnavailableCommands() {
    // Commands whose windows this version does not have yet stay visible but disabled, with
    // the reason in their tip.
    const QString later = QStringLiteral("not available in this version");
    using namespace command;
    for (const int id : {kUpload, kFilePreview, kPatientData, kSleepPeriod,
                         kThresholdSettings, kWearInstructions}) {
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

void Workstation::OpenCaseDialog() {
    const QString offeredPath = std::exchange(savedCasePath_, QString());
    QString folder = lastFolder_.isEmpty() ? CaseFolder() : lastFolder_;
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
    const QString folder = lastFolder_.isEmpty() ? CaseFolder() : lastFolder_;
    auto chooseTarget = [this](QWidget* parent) {
        return QFileDialog::getExistingDirectory(
            parent, QString::fromStdString(languages_.GetText("Dialog Setting", "IDS_SEL_PATH")));
    };
    CaseCopyDialog dialog(languages_, doc_->fileTable(), folder, messages_, chooseTarget, frame_.get());
    dialog.exec();
}

void Workstation::DeleteCasesDialog() {
    const QString folder = lastFolder_.isEmpty() ? CaseFolder() : lastFolder_;
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
    sheet.ShowPage(page);
    if (sheet.exec() != QDialog::Accepted) return;
    lastFolder_.clear();  // the case folder may have moved
    view_->Reanalyse();
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

void Workstation::Relabel() {
    frame_->setWindowTitle(QString::fromLatin1(kApplicationTitle));
    view_->Relabel();
    frame_->Relabel();
    frame_->SetStatusText(view_->statusText().isEmpty()
                              ? QString::fromStdString(languages_.GetText("Global Setting", "IDS_IDLEMESSAGE"))
                              : view_->statusText());
}

}  // namespace vitalis
