#include "shell/ReportGraphOptions.h"

#include <algorithm>

namespace vitalis {

bool KnownGraphScale(int hours) {
    return std::find(kGraphScales.begin(), kGraphScales.end(), hours) != kGraphScales.end();
}

GraphType GraphTypeFromStored(int stored) {
    return stored == static_cast<int>(GraphType::Strip) ? GraphType::Strip : GraphType::Line;
}

int GraphScaleFromStored(int stored) {
    return KnownGraphScale(stored) ? stored : 0;
}

int64_t GraphPageMinutes(const ReportGraphOptions& options) {
    return int64_t{options.scaleHours} * 60;
}

}  // namespace vitalis
