#pragma once

#include "case/AnalysisResults.h"
#include "case/Recording.h"

namespace vitalis {

// Clears every result and sorts the recording's counting readings (plausible, valid mark
// set) into the whole-recording, awake and asleep lists, in stored order. A multi-day
// recording gets no awake and asleep lists. Returns false, with everything left empty, when
// the recording holds another number of readings than its header declares.
bool DivideMeasurements(const Recording& recording, AnalysisResults& results);

// Whether minute-of-day `minute` lies in the asleep period that begins at `asleepStart` and
// ends at `awakeStart`. A period inside one day includes both ends; a period across midnight
// excludes both, so a reading exactly at either start is then an awake reading.
bool IsAsleepMinute(int asleepStart, int awakeStart, int minute);
bool IsAsleepTime(const Recording& recording, int minute);

// The minute of the day of a reading's clock time; its date never counts.
inline int MinuteOfDay(const Measurement& m) {
    return m.hour * 60 + m.minute;
}

}  // namespace vitalis
