#pragma once

#include <string>
#include <vector>

#include "case/PatientSheet.h"
#include "case/Recording.h"

namespace vitalis {

// What the clinician may change about one reading: whether it counts and its remark.
struct ReadingMark {
    bool excluded = false;
    std::string remark;
    // The reading's number in the case file (its key), from 1: a recording picked out of a
    // monthly file holds only some of the file's readings. 0 means its place in the list.
    int number = 0;
    bool operator==(const ReadingMark&) const = default;
};

// The awake and asleep starts as entries of the half-hour lists (entry × 30 minutes).
struct SleepEntries {
    int awake = 0;
    int asleep = 0;
    bool operator==(const SleepEntries&) const = default;
};

// Everything an edit can change in an open case, as one value: what was saved last is kept
// like this, so that "unsaved" and the history lines are a comparison, not a bookkeeping.
struct CaseEditState {
    std::vector<ReadingMark> readings;  // one per reading of allMeasurements, in order
    PatientSheet sheet;
    SleepEntries sleep;
    Diary diary;
    bool operator==(const CaseEditState&) const = default;
};

CaseEditState CaptureEditState(const Recording& recording, const PatientSheet& sheet);

// The history texts of what differs from `saved` in `now`: "excluded reading 12",
// "included reading 12", "remark 12: …", "patient sheet edited", "asleep 22:30–06:30",
// "diary changed".
// Readings are numbered from 1, as the measurement list shows them.
std::vector<std::string> DescribeChanges(const CaseEditState& saved, const CaseEditState& now);

// "22:30" for a half-hour entry.
std::string ClockOfEntry(int entry);

}  // namespace vitalis
