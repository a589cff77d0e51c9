#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

#include "case/CaseEditor.h"
#include "case/CaseFolder.h"
#include "case/Recording.h"
#include "case/RecordingRuns.h"
#include "views/CaseDocument.h"

namespace vitalis {

// The one document of the main window: the open recording, the editor every change to it
// goes through, and the file table the case dialogs share. Nothing is written to the case
// file except by Save: opening another case or closing this one never saves on its own.
class CTensioDoc : public QObject, public CaseDocument {
    Q_OBJECT

  public:
    explicit CTensioDoc(QObject* parent = nullptr);
    ~CTensioDoc() override;

    Recording& recording() override { return recording_; }
    const Recording& recording() const override { return recording_; }
    CaseEditor& editor() { return editor_; }
    CaseFileTable& fileTable() { return fileTable_; }

    bool caseOpen() const override { return caseOpen_; }
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

    // Loads a case file, dropping whatever the open one had unsaved (the caller asks first).
    // On failure no case is open; when the clinician cancelled the choice of a test,
    // openCancelled() tells and the open case stays as it was.
    bool OpenCase(const QString& path) override;
    bool openCancelled() const override { return openCancelled_; }
    bool HasUnsavedChanges() const { return caseOpen_ && editor_.HasUnsavedChanges(); }
    // Writes the unsaved changes and their history lines to the case file.
    bool Save();
    // Copies the case file to another path, makes that the open case and saves there. The
    // original file is left as it was.
    bool SaveAs(const QString& path);
    // Forgets the open case without saving.
    void CloseCase();

    // The undoable changes; each tells editsChanged so the views follow.
    bool ToggleExclusion(int measurementIndex);
    bool SetSleepPeriod(int awakeEntry, int asleepEntry);
    bool SetPatientSheet(const PatientSheet& sheet);
    bool SetReadingMarks(const std::vector<ReadingMark>& marks);
    bool SetDiary(const Diary& diary);
    bool Undo();
    bool Redo();

  signals:
    void caseOpenChanged(bool open);
    // The readings, the sheet, the sleep period or what is saved changed.
    void editsChanged();

  private:
    void SetCaseOpen(bool open);
    bool Changed(bool changed);

    Recording recording_;
    RunChooser runChooser_;
    bool openCancelled_ = false;
    CaseEditor editor_{recording_};
    CaseFileTable fileTable_;
    bool caseOpen_ = false;
};

}  // namespace vitalis
