#include "shell/gui/CTensioDoc.h"

#include <utility>

#include "case/FileAccess.h"

namespace vitalis {

CTensioDoc::CTensioDoc(QObject* parent) : QObject(parent) {}

CTensioDoc::~CTensioDoc() = default;

bool CTensioDoc::OpenCase(const QString& path) {
    openCancelled_ = false;
    Recording file;
    file.thresholdSource = recording_.thresholdSource;
    file.casePath = path.toStdString();
    const bool loaded = file.Load();
    if (loaded && runChooser_) {
        const std::vector<RecordingRun> runs = FindRecordingRuns(file);
        if (OffersRecordingChoice(file, runs)) {
            const RunChoice choice = runChooser_(runs);
            if (choice.cancelled) {
                openCancelled_ = true;
                return false;
            }
            if (choice.run && *choice.run < runs.size())
                file = SelectRecordingRun(file, runs[*choice.run]);
        }
    }
    recording_ = std::move(file);
    if (loaded) {
        editor_.Begin(ReadPatientSheet(recording_.casePath).value_or(PatientSheet{}));
    } else {
        editor_.End();
    }
    SetCaseOpen(loaded);
    emit editsChanged();
    return loaded;
}

bool CTensioDoc::Save() {
    if (!caseOpen_) return true;
    const bool saved = editor_.Save(CurrentHistoryStamp());
    if (saved) emit editsChanged();
    return saved;
}

bool CTensioDoc::SaveAs(const QString& path) {
    if (!caseOpen_ || path.isEmpty()) return false;
    const std::string target = path.toStdString();
    const auto original = ReadWholeFile(recording_.casePath);
    if (!original || !ReplaceFileContent(target, original->bytes)) return false;
    const std::string from = std::exchange(recording_.casePath, target);
    if (Save()) return true;
    recording_.casePath = from;
    return false;
}

void CTensioDoc::CloseCase() {
    editor_.End();
    SetCaseOpen(false);
    emit editsChanged();
}

bool CTensioDoc::Changed(bool changed) {
    if (changed) emit editsChanged();
    return changed;
}

bool CTensioDoc::ToggleExclusion(int measurementIndex) {
    return Changed(caseOpen_ && editor_.ToggleExclusion(measurementIndex));
}

bool CTensioDoc::SetDiary(const Diary& diary) {
    return Changed(caseOpen_ && editor_.SetDiary(diary));
}

bool CTensioDoc::SetSleepPeriod(int awakeEntry, int asleepEntry) {
    return Changed(caseOpen_ && editor_.SetSleepPeriod(awakeEntry, asleepEntry));
}

bool CTensioDoc::SetPatientSheet(const PatientSheet& sheet) {
    return Changed(caseOpen_ && editor_.SetPatientSheet(sheet));
}

bool CTensioDoc::SetReadingMarks(const std::vector<ReadingMark>& marks) {
    return Changed(caseOpen_ && editor_.SetReadingMarks(marks));
}

bool CTensioDoc::Undo() {
    return Changed(caseOpen_ && editor_.Undo());
}

bool CTensioDoc::Redo() {
    return Changed(caseOpen_ && editor_.Redo());
}

void CTensioDoc::SetCaseOpen(bool open) {
    const bool changed = caseOpen_ != open;
    caseOpen_ = open;
    if (changed) emit caseOpenChanged(open);
}

}  // namespace vitalis
