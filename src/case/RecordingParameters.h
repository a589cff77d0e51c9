#pragma once

#include <string>
#include <vector>

#include "case/Recording.h"
#include "case/TextSource.h"

namespace vitalis {

// How the monitor was programmed for a recording, as label and value texts for the
// parameter information window: patient, test begin, number of readings, the awake and
// asleep schedules the monitor ran, and the sleep period the analysis uses.
struct ParameterRow {
    std::string label;
    std::string value;
};
std::vector<ParameterRow> RecordingParameterRows(const Recording& recording,
                                                 const TextSource& texts);

// A schedule interval as "15 min", or the text for none when it is 0.
std::string IntervalText(int minutes, const TextSource& texts);

}  // namespace vitalis
