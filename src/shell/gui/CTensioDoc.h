#pragma once

#include <QObject>
#include <QString>

#include "case/CaseFolder.h"
#include <functional>
#include <optional>
#include <vector>

#include "case/Recording.h"
#include "case/RecordingRuns.h"

namespace vitalis {

// The one document of the main window: the open recording, and the file table the case
// dialogs share. Opening a case saves the edits of the one that was open first.
class CTensioDoc : public QObject {
    Q_OBJECT

public:
    explicit CTensioDoc(QObject* parent = nullptr);
    ~CTensioDoc() override;

    Recording& recording() { return recording_; }
    const Recording& recording() const { return recording_; }
    CaseFileTable& fileTable() { return fileTable_; }

    bool caseOpen() const { return caseOpen_; }
    QString casePath() const { return QString::fromStdString(recording_.casePath); }

    // What the clinician picked from a file that holds several tests: one test, the whole
    // file (no run), or nothing at all.
    struct RunChoice {
        bool cancelled = false;
        std::optional<size_t> run;
    };
    using RunChooser = std::function<RunChoice(const std::vector<RecordingRun>&)>;
    // Asked while opening a file that holds several tests; without one the whole file opens.
    void SetRunChooser(RunChooser chooser) { runChooser_ = std::move(chooser); }

    // Loads a case file. On failure the recording counts as not open; when the clinician
    // cancelled the choice of a test, openCancelled() tells and the open case stays as it was.
    bool OpenCase(const QString& path);
    bool openCancelled() const { return openCancelled_; }
    // Writes the open case's exclusion marks and remarks back to its file.
    bool SaveOpenCase();
    // Saves and forgets the open case.
    void CloseCase();

signals:
    void caseOpenChanged(bool open);

private:
    void SetCaseOpen(bool open);

    Recording recording_;
    RunChooser runChooser_;
    bool openCancelled_ = false;
    CaseFileTable fileTable_;
    bool caseOpen_ = false;
};

}  // namespace vitalis
