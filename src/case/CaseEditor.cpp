#include "case/CaseEditor.h"

#include <algorithm>

#include "case/CaseEditWriter.h"
#include "case/SleepPeriod.h"

namespace vitalis {

void CaseEditor::Begin(PatientSheet sheet) {
    sheet_ = std::move(sheet);
    saved_ = CaptureEditState(recording_, sheet_);
    undo_.clear();
    redo_.clear();
    active_ = true;
}

void CaseEditor::End() {
    undo_.clear();
    redo_.clear();
    saved_ = {};
    active_ = false;
}

bool CaseEditor::ValidIndex(int index) const {
    return active_ && index >= 0 && index < static_cast<int>(recording_.allMeasurements().size());
}

ReadingMark CaseEditor::MarkOf(int index) const {
    const Measurement& m = recording_.allMeasurements()[static_cast<size_t>(index)];
    return {m.valid == 0, m.remark};
}

bool CaseEditor::ToggleExclusion(int measurementIndex) {
    if (!ValidIndex(measurementIndex)) return false;
    ReadingMark mark = MarkOf(measurementIndex);
    mark.excluded = !mark.excluded;
    const Measurement& m = recording_.allMeasurements()[static_cast<size_t>(measurementIndex)];
    if (!mark.excluded && !IsPlausible(m)) return false;
    return Record({ReadingChange{measurementIndex, MarkOf(measurementIndex), mark}});
}

bool CaseEditor::SetRemark(int measurementIndex, std::string remark) {
    if (!ValidIndex(measurementIndex)) return false;
    ReadingMark mark = MarkOf(measurementIndex);
    if (mark.remark == remark) return false;
    mark.remark = std::move(remark);
    return Record({ReadingChange{measurementIndex, MarkOf(measurementIndex), mark}});
}

bool CaseEditor::SetReadingMarks(const std::vector<ReadingMark>& marks) {
    if (!active_) return false;
    Step step;
    const auto& readings = recording_.allMeasurements();
    for (size_t i = 0; i < marks.size() && i < readings.size(); ++i) {
        ReadingMark mark = marks[i];
        if (!IsPlausible(readings[i])) mark.excluded = true;
        const ReadingMark before = MarkOf(static_cast<int>(i));
        if (mark != before) step.push_back(ReadingChange{static_cast<int>(i), before, mark});
    }
    return Record(std::move(step));
}

bool CaseEditor::SetSleepPeriod(int awakeEntry, int asleepEntry) {
    if (!active_) return false;
    const SleepEntries before{HalfHourEntry(recording_.awakeStart),
                              HalfHourEntry(recording_.asleepStart)};
    const SleepEntries after{std::clamp(awakeEntry, 0, kHalfHourEntries - 1),
                             std::clamp(asleepEntry, 0, kHalfHourEntries - 1)};
    if (after == before) return false;
    return Record({SleepChange{before, after}});
}

bool CaseEditor::SetPatientSheet(const PatientSheet& sheet) {
    if (!active_ || sheet == sheet_) return false;
    return Record({SheetChange{sheet_, sheet}});
}

bool CaseEditor::SetDiary(Diary diary) {
    SortDiary(diary);
    if (!active_ || diary == recording_.diary) return false;
    return Record({DiaryChange{recording_.diary, std::move(diary)}});
}

bool CaseEditor::Record(Step step) {
    if (step.empty()) return false;
    Apply(step, true);
    undo_.push_back(std::move(step));
    redo_.clear();
    return true;
}

bool CaseEditor::Undo() {
    if (undo_.empty()) return false;
    Apply(undo_.back(), false);
    redo_.push_back(std::move(undo_.back()));
    undo_.pop_back();
    return true;
}

bool CaseEditor::Redo() {
    if (redo_.empty()) return false;
    Apply(redo_.back(), true);
    undo_.push_back(std::move(redo_.back()));
    redo_.pop_back();
    return true;
}

void CaseEditor::Apply(const Step& step, bool forward) {
    for (const Change& change : step) {
        if (const auto* reading = std::get_if<ReadingChange>(&change)) {
            ApplyMark(reading->index, forward ? reading->after : reading->before);
        } else if (const auto* sheet = std::get_if<SheetChange>(&change)) {
            sheet_ = forward ? sheet->after : sheet->before;
            ApplyPatientSheet(sheet_, recording_);
        } else if (const auto* sleep = std::get_if<SleepChange>(&change)) {
            ApplySleep(forward ? sleep->after : sleep->before);
        } else if (const auto* diary = std::get_if<DiaryChange>(&change)) {
            recording_.diary = forward ? diary->after : diary->before;
        }
    }
    recording_.RebuildValidMeasurements();
}

void CaseEditor::ApplyMark(int index, const ReadingMark& mark) {
    Measurement& m = recording_.editableMeasurements()[static_cast<size_t>(index)];
    m.valid = mark.excluded ? 0 : 1;
    m.remark = mark.remark;
}

void CaseEditor::ApplySleep(const SleepEntries& sleep) {
    recording_.awakeStart = sleep.awake * 30;
    recording_.asleepStart = sleep.asleep * 30;
}

bool CaseEditor::HasUnsavedChanges() const {
    return active_ && CaptureEditState(recording_, sheet_) != saved_;
}

std::vector<std::string> CaseEditor::UnsavedChanges() const {
    if (!active_) return {};
    return DescribeChanges(saved_, CaptureEditState(recording_, sheet_));
}

bool CaseEditor::Save(const HistoryStamp& stamp) {
    if (!active_) return false;
    const CaseEditState now = CaptureEditState(recording_, sheet_);
    if (now == saved_) return true;
    std::vector<std::string> lines;
    for (const std::string& change : DescribeChanges(saved_, now)) {
        lines.push_back(HistoryLine(stamp, change));
    }
    if (!WriteCaseEdits(recording_.casePath, saved_, now, lines)) return false;
    saved_ = now;
    return true;
}

}  // namespace vitalis
