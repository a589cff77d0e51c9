#include "shell/gui/CaseCommands.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <utility>

#include "analysis/CopyTexts.h"
#include "case/CaseHistory.h"
#include "case/FileAccess.h"
#include "case/PatientSheet.h"
#include "case/TextSource.h"
#include "case/gui/CaseCopyDialog.h"
#include "case/gui/CaseDeleteDialog.h"
#include "case/gui/CaseOpenDialog.h"
#include "case/gui/MeasurementEditorDialog.h"
#include "shell/AppConfig.h"
#include "shell/CommandTable.h"
#include "shell/gui/CMainFrameHeron.h"
#include "shell/gui/CTensioDoc.h"
#include "shell/gui/DiaryDialog.h"
#include "shell/gui/PatientSheetDialog.h"
#include "shell/gui/RecordingParametersDialog.h"
#include "shell/gui/SleepPeriodDialog.h"
#include "views/CTensioView.h"

namespace vitalis {

CaseCommands::CaseCommands(const WorkstationParts& parts, const Choice& choose,
                           const SaveAsPath& askSaveAsPath)
    : parts_(parts), choose_(choose), askSaveAsPath_(askSaveAsPath) {}

void CaseCommands::AddTo(CommandMap& commands) {
    using namespace command;
    CTensioDoc& doc = parts_.doc;
    commands[editcommand::kUndo] = [&doc] { doc.Undo(); };
    commands[editcommand::kRedo] = [&doc] { doc.Redo(); };
    commands[editcommand::kSave] = [this] { SaveCase(&parts_.frame); };
    commands[kOpenCase] = [this] { OpenCaseDialog(); };
    commands[kCopyCases] = [this] { CopyCasesDialog(); };
    commands[kDeleteCases] = [this] { DeleteCasesDialog(); };
    commands[kCopy] = [this] { CopyReadings(); };
    commands[kEditReadings] = [this] { EditReadings(); };
    commands[kRecordingInfo] = [this] { ShowRecordingInfo(); };
    commands[kSleepPeriod] = [this] { ChangeSleepPeriod(); };
    commands[kPatientData] = [this] { EditPatientSheet(); };
    commands[kDiary] = [this] { EditDiary(); };
}

QString CaseCommands::Text(const char* section, const char* key) const {
    return QString::fromStdString(parts_.languages.GetText(section, key));
}

QString CaseCommands::CaseFolder() const {
    const AppConfig& config = parts_.config;
    const std::string folder =
        config.useDefaultPath != 0 ? config.DefaultCaseFolder() : config.caseFolder;
    return QString::fromStdString(folder);
}

QString CaseCommands::BrowsingFolder() const {
    return lastFolder_.isEmpty() ? CaseFolder() : lastFolder_;
}

bool CaseCommands::ConfirmCloseCase() {
    CTensioDoc& doc = parts_.doc;
    if (!doc.HasUnsavedChanges()) return true;
    QString question = Text(kGlobalTexts, "IDS_UNSAVED_CHANGES");
    for (const std::string& change : doc.editor().UnsavedChanges()) {
        question += QStringLiteral("\n") + QString::fromStdString(change);
    }
    const int answer =
        choose_(&parts_.frame, question,
                {Text(kGlobalTexts, "IDS_SAVE_CHANGES"), Text(kGlobalTexts, "IDS_DISCARD_CHANGES"),
                 Text(kMessageTexts, "IDS_CANCEL")});
    if (answer == 0) return SaveCase(&parts_.frame);
    return answer == 1;
}

bool CaseCommands::SaveCase(QWidget* parent) {
    CTensioDoc& doc = parts_.doc;
    while (!doc.Save()) {
        const QString failed =
            Text(kGlobalTexts, ReplaceFailureKey()) + QStringLiteral("\n") + doc.casePath();
        const int answer =
            choose_(parent, failed,
                    {Text(kGlobalTexts, "IDS_RETRY_SAVE"), Text(kGlobalTexts, "IDS_SAVE_CASE_AS"),
                     Text(kMessageTexts, "IDS_CANCEL")});
        if (answer == 0) continue;
        if (answer != 1) return false;
        const QString other = askSaveAsPath_(parent);
        if (other.isEmpty()) continue;
        if (doc.SaveAs(other)) return true;
    }
    return true;
}

bool CaseCommands::OpenCase(const QString& path) {
    if (!ConfirmCloseCase()) return false;
    return parts_.view.OpenCase(path);
}

void CaseCommands::OpenCaseDialog() {
    const QString offeredPath = std::exchange(offeredPath_, QString());
    QString folder = BrowsingFolder();
    if (!offeredPath.isEmpty()) folder = QFileInfo(offeredPath).absolutePath();
    CreateFolders(folder.toStdString());
    CaseOpenDialog dialog(parts_.languages, parts_.doc.fileTable(), folder, parts_.messages,
                          &parts_.frame);
    if (!offeredPath.isEmpty()) dialog.SelectFile(offeredPath);
    if (dialog.exec() != QDialog::Accepted) return;
    lastFolder_ = dialog.folder();
    OpenCase(dialog.chosenPath());
    parts_.config.SaveIfChanged();
}

void CaseCommands::CopyCasesDialog() {
    auto chooseTarget = [this](QWidget* parent) {
        return QFileDialog::getExistingDirectory(parent, Text(kDialogTexts, "IDS_SEL_PATH"));
    };
    CaseCopyDialog dialog(parts_.languages, parts_.doc.fileTable(), BrowsingFolder(),
                          parts_.messages, chooseTarget, &parts_.frame);
    dialog.exec();
}

void CaseCommands::DeleteCasesDialog() {
    CTensioDoc& doc = parts_.doc;
    const QString open = doc.caseOpen() ? doc.casePath() : QString();
    CaseDeleteDialog dialog(parts_.languages, doc.fileTable(), BrowsingFolder(), parts_.messages,
                            open, &parts_.frame);
    dialog.exec();
}

void CaseCommands::EditReadings() {
    CTensioDoc& doc = parts_.doc;
    if (!doc.caseOpen()) return;
    auto chooseCsvPath = [](QWidget* parent) {
        return QFileDialog::getSaveFileName(parent, QString(), QString(),
                                            QStringLiteral("All Files(*.CSV)"));
    };
    MeasurementEditorDialog dialog(doc.recording(), parts_.languages, parts_.messages,
                                   chooseCsvPath, &parts_.frame);
    dialog.SetSaving([this, &doc](const std::vector<ReadingMark>& marks, QWidget* parent) {
        const bool applied = doc.SetReadingMarks(marks);
        if (SaveCase(parent)) return true;
        // The list keeps the edits; the case takes them only with OK.
        if (applied) doc.Undo();
        return false;
    });
    if (dialog.exec() == QDialog::Accepted) doc.SetReadingMarks(dialog.marks());
}

void CaseCommands::ShowRecordingInfo() {
    if (!parts_.doc.caseOpen()) return;
    RecordingParametersDialog(parts_.doc.recording(), parts_.languages, &parts_.frame).exec();
}

void CaseCommands::ChangeSleepPeriod() {
    CTensioDoc& doc = parts_.doc;
    if (!doc.caseOpen()) return;
    Recording& recording = doc.recording();
    SleepPeriodDialog dialog(parts_.languages, recording.awakeStart, recording.asleepStart,
                             &parts_.frame);
    if (dialog.exec() != QDialog::Accepted) return;
    doc.SetSleepPeriod(dialog.awakeEntry(), dialog.asleepEntry());
}

void CaseCommands::EditPatientSheet() {
    CTensioDoc& doc = parts_.doc;
    if (!doc.caseOpen()) return;
    PatientSheetDialog dialog(parts_.languages, doc.editor().sheet(), Today(), &parts_.frame);
    QStringList history;
    for (const std::string& line : ReadHistory(doc.recording().casePath)) {
        history << QString::fromStdString(line);
    }
    dialog.ShowHistory(history);
    dialog.OfferDiary([this] { EditDiary(); });
    if (dialog.exec() != QDialog::Accepted) return;
    doc.SetPatientSheet(dialog.sheet());
}

void CaseCommands::EditDiary() {
    CTensioDoc& doc = parts_.doc;
    if (!doc.caseOpen()) return;
    const Recording& recording = doc.recording();
    const ClockTime& begin = recording.testBegin;
    DiaryDialog dialog(parts_.languages, recording.diary, {begin.year, begin.month, begin.day},
                       recording.asleepStart, recording.awakeStart, &parts_.frame);
    if (dialog.exec() != QDialog::Accepted) return;
    doc.SetDiary(dialog.diary());
}

void CaseCommands::CopyReadings() {
    const std::vector<Measurement>& readings = parts_.doc.recording().allMeasurements();
    const TextSource& texts = parts_.languages;
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(ReadingsCopyText(readings, texts)));
    // The status line says what went to the clipboard, so nobody pastes in doubt.
    parts_.frame.SetStatusText(
        QString::fromStdString(CopiedReadingsText(static_cast<int>(readings.size()), texts)));
}

}  // namespace vitalis
