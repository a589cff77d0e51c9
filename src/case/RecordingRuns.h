#pragma once

#include <cstddef>
#include <vector>

#include "case/CalendarTime.h"
#include "case/Recording.h"

namespace vitalis {

// A monthly case file collects every test a monitor recorded in that month. One test shows as
// a run of readings with no pause longer than this between two of them; a longer pause is the
// monitor lying in its drawer between patients or between tests.
inline constexpr int kRunBreakMinutes = 6 * 60;

// One test inside a case file: its first and last reading's clock time and how many readings
// (failed ones included) it holds.
struct RecordingRun {
    ClockTime begin;
    ClockTime end;
    int count = 0;
    // Positions in the file's allMeasurements(), in time order (readings of the same minute in
    // the order the file keeps them).
    std::vector<size_t> readings;
};

// The tests of a case file, first in time first. Readings whose clock time is not a real date
// belong to none. A file of one test gives one run.
std::vector<RecordingRun> FindRecordingRuns(const Recording& file);

// Whether opening the file should let the clinician pick a test: when it holds more than one,
// or when it is a monthly file (its short name makes the file as a whole multi-day, so even a
// single test in it is only divided into awake and asleep once picked).
bool OffersRecordingChoice(const Recording& file, const std::vector<RecordingRun>& runs);

// The recording of one run, as if it had been saved as a case file of its own: the file's
// patient and test data, the run's readings in time order, the test begin at its first reading,
// and the multi-day rule applied to its span. Each reading keeps its index in the file, so
// edits can be written back to the right key.
Recording SelectRecordingRun(const Recording& file, const RecordingRun& run);

}  // namespace vitalis
