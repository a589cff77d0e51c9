#include "shell/gui/CTensioDoc.h"

namespace vitalis {

CTensioDoc::CTensioDoc(QObject* parent) : QObject(parent) {}

CTensioDoc::~CTensioDoc() { SaveOpenCase(); }

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
    SaveOpenCase();
    recording_ = std::move(file);
    SetCaseOpen(loaded);
    return loaded;
}

bool CTensioDoc::SaveOpenCase() { return caseOpen_ ? recording_.SaveEdits() : true; }

void CTensioDoc::CloseCase() {
    SaveOpenCase();
    SetCaseOpen(false);
}

void CTensioDoc::SetCaseOpen(bool open) {
    const bool changed = caseOpen_ != open;
    caseOpen_ = open;
    if (changed) emit caseOpenChanged(open);
}

}  // namespace vitalis
