#include "shell/gui/Workstation.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <utility>

#include "case/TextSource.h"
#include "case/gui/RecordingPickerDialog.h"
#include "shell/AppConfig.h"
#include "shell/CaseFolderChoice.h"
#include "shell/CommandTable.h"
#include "shell/LanguageChoice.h"
#include "shell/ReportHandOffFolder.h"
#include "shell/gui/AboutDialog.h"
#include "shell/gui/CMainFrameHeron.h"
#include "shell/gui/CTensioDoc.h"
#include "shell/gui/CaseCommands.h"
#include "shell/gui/CaseFolderDialog.h"
#include "shell/gui/DeviceCommands.h"
#include "shell/gui/ReportCommands.h"
#include "shell/gui/ReportLauncher.h"
#include "shell/gui/SessionLauncher.h"
#include "shell/gui/ViewCommands.h"
#include "shell/gui/WelcomePage.h"
#include "views/CTensioView.h"

namespace vitalis {

namespace {

int AskWithButtons(QWidget* parent, const QString& text, const QStringList& answers) {
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(kApplicationTitle), text,
                    QMessageBox::NoButton, parent);
    std::vector<QAbstractButton*> buttons;
    for (const QString& answer : answers)
        buttons.push_back(box.addButton(answer, QMessageBox::ActionRole));
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
          return QFileDialog::getSaveFileName(parent, QString(), QString(),
                                              QStringLiteral("*.awp"));
      }) {}

Workstation::~Workstation() {
    Exit();
}

void Workstation::WindowMessages::ShowMessage(std::string_view text) {
    owner_.messages_.inform(owner_.frame_.get(),
                            QString::fromUtf8(text.data(), static_cast<int>(text.size())));
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
    welcome_ = new WelcomePage(
        languages_, [this](int id) { return frame_->Action(id); }, frame_.get());
    pages_ = new QStackedWidget(frame_.get());
    pages_->addWidget(welcome_);
    pages_->addWidget(view_);
    frame_->setCentralWidget(pages_);
    connect(frame_.get(), &CMainFrameHeron::commandTriggered, this, &Workstation::Run);
    connect(view_, &CTensioView::statusTextChanged, frame_.get(), &CMainFrameHeron::SetStatusText);
    // What the graph asks for goes through the undo history like every other edit.
    connect(view_, &CTensioView::excludeReadingRequested, this,
            [this](int measurementIndex) { doc_->ToggleExclusion(measurementIndex); });
    connect(
        view_, &CTensioView::sleepPeriodRequested, this,
        [this](int awakeEntry, int asleepEntry) { doc_->SetSleepPeriod(awakeEntry, asleepEntry); });
    connect(doc_.get(), &CTensioDoc::caseOpenChanged, this, [this](bool open) {
        config_.caseOpen = open;
        frame_->SetCaseOpen(open);
        ShowCaseOpen(open);
    });
    connect(doc_.get(), &CTensioDoc::editsChanged, this, &Workstation::EditsChanged);
    frame_->installEventFilter(this);
    sessions_ = std::make_unique<SessionLauncher>(config_, languages_, frame_.get());
    report_ = new ReportLauncher(config_, messages_, frame_.get());
    const WorkstationParts parts{config_, languages_, messages_,  *doc_,
                                 *frame_, *view_,     *sessions_, *report_};
    cases_ = std::make_unique<CaseCommands>(parts, choose_, askSaveAsPath_);
    devices_ = std::make_unique<DeviceCommands>(parts, *cases_);
    reports_ = std::make_unique<ReportCommands>(parts, askExportPath_);
    views_ = std::make_unique<ViewCommands>(parts, *cases_, [this] { Relabel(); });
    cases_->AddTo(commands_);
    devices_->AddTo(commands_);
    reports_->AddTo(commands_);
    views_->AddTo(commands_);
    MarkUnavailableCommands();
    ShowCaseOpen(false);

    const QString icon =
        QString::fromStdString(config_.applicationDirectory()) + QStringLiteral("/res/Logo.ico");
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

void Workstation::AskCaseFolderOnFirstStart() {
    if (!config_.IsFirstStart()) return;
    const QString standard = QString::fromStdString(config_.DefaultCaseFolder());
    CaseFolderDialog dialog(languages_, standard, messages_, frame_.get());
    const bool chosen = dialog.exec() == QDialog::Accepted;
    StoreCaseFolderChoice(config_, (chosen ? dialog.folder() : standard).toStdString());
    config_.SaveOrTell();
    cases_->ForgetBrowsingFolder();
    welcome_->SetCaseFolder(CaseFolder());
}

void Workstation::ShowCaseOpen(bool open) {
    if (open) {
        pages_->setCurrentWidget(view_);
        return;
    }
    welcome_->SetCaseFolder(CaseFolder());
    pages_->setCurrentWidget(welcome_);
    welcome_->setFocus();
}

void Workstation::Exit() {
    if (exited_ || !doc_) return;
    exited_ = true;
    // The window asked about unsaved changes as it closed: nothing of the case is saved here.
    // Settings are written when they changed, or once to keep what this first run chose; a
    // write that fails is told.
    if (config_.IsFirstStart())
        config_.SaveOrTell();
    else
        config_.SaveIfChanged();
    config_.SaveReports();
    RemoveReportHandOffFolder(config_.applicationDirectory());
}

QString Workstation::CaseFolder() const {
    return cases_->CaseFolder();
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
    return !cases_ || cases_->ConfirmCloseCase();
}

bool Workstation::SaveCase(QWidget* parent) {
    return cases_->SaveCase(parent);
}

void Workstation::Run(int commandId) {
    const auto command = commands_.find(commandId);
    if (command == commands_.end()) return;  // others are disabled in this version
    command->second();
    // A command may have moved the case folder (the settings) or dropped the case.
    if (!doc_->caseOpen()) welcome_->SetCaseFolder(CaseFolder());
}

bool Workstation::OpenCase(const QString& path) {
    return cases_->OpenCase(path);
}

void Workstation::Relabel() {
    frame_->setWindowTitle(QString::fromLatin1(kApplicationTitle));
    view_->Relabel();
    welcome_->Relabel();
    frame_->Relabel();
    frame_->SetStatusText(view_->statusText().isEmpty() ? QString::fromStdString(languages_.GetText(
                                                              kGlobalTexts, "IDS_IDLEMESSAGE"))
                                                        : view_->statusText());
}

}  // namespace vitalis
