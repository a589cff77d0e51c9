#pragma once

#include <string>
#include <variant>
#include <vector>

#include "case/CaseEditState.h"
#include "case/CaseHistory.h"
#include "case/PatientSheet.h"
#include "case/Recording.h"

namespace vitalis {

// Every change a clinician makes to an open case goes through here: exclusions, remarks, the
// patient sheet and the sleep period. Each change takes effect in the recording at once and
// can be undone and redone; nothing reaches the file before Save, which writes the changes
// and one history line per change in one atomic write.
class CaseEditor {
  public:
    explicit CaseEditor(Recording& recording) : recording_(recording) {}

    // A case was loaded: what it holds now is what is saved, and there is nothing to undo.
    void Begin(PatientSheet sheet);
    // No case is open any more.
    void End();
    bool active() const { return active_; }

    Recording& recording() { return recording_; }
    const PatientSheet& sheet() const { return sheet_; }

    // Excludes a counted reading, or takes an excluded one back in when it is plausible (a
    // failed reading never counts). The index is the reading's position in allMeasurements.
    // False when nothing changed.
    bool ToggleExclusion(int measurementIndex);
    bool SetRemark(int measurementIndex, std::string remark);
    // New marks and remarks for many readings, as one step (the measurement list's OK).
    // Implausible readings stay excluded whatever the marks say.
    bool SetReadingMarks(const std::vector<ReadingMark>& marks);
    // The same entries the sleep-period lists give (half hours, 0..47; held to the range).
    bool SetSleepPeriod(int awakeEntry, int asleepEntry);
    bool SetPatientSheet(const PatientSheet& sheet);
    // The whole diary as the diary dialog gives it back, as one step; sorted by time.
    bool SetDiary(Diary diary);

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    bool Undo();
    bool Redo();

    bool HasUnsavedChanges() const;
    // The history lines the next save will write.
    std::vector<std::string> UnsavedChanges() const;
    // Writes the unsaved changes to the recording's case file. On failure nothing is written
    // and every change stays unsaved (and undoable) in memory.
    bool Save(const HistoryStamp& stamp);

  private:
    struct ReadingChange {
        int index;
        ReadingMark before, after;
    };
    struct SheetChange {
        PatientSheet before, after;
    };
    struct SleepChange {
        SleepEntries before, after;
    };
    struct DiaryChange {
        Diary before, after;
    };
    using Change = std::variant<ReadingChange, SheetChange, SleepChange, DiaryChange>;
    using Step = std::vector<Change>;

    bool Record(Step step);  // applies a new step; false when it is empty
    void Apply(const Step& step, bool forward);
    void ApplyMark(int index, const ReadingMark& mark);
    void ApplySleep(const SleepEntries& sleep);
    ReadingMark MarkOf(int index) const;
    bool ValidIndex(int index) const;

    Recording& recording_;
    PatientSheet sheet_;
    CaseEditState saved_;
    std::vector<Step> undo_;
    std::vector<Step> redo_;
    bool active_ = false;
};

}  // namespace vitalis
