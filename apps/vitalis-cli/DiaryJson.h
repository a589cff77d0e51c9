#pragma once

#include "RecordingJson.h"

namespace vitalis::cli {

// The patient's diary: {"nights": [{"date", "bed", "up", "applied"}], "events": [{"time",
// "kind", "text"}]}. "applied" is true when the night's own times divided its readings.
Json DiaryJson(const Recording& recording);

}  // namespace vitalis::cli
