#include "case/Measurement.h"

namespace vitalis {

bool IsPlausible(const Measurement& m) {
    const auto inRange = [](int v) { return v > 0 && v < 400; };
    return inRange(m.sys) && inRange(m.dia) && inRange(m.pr) && inRange(m.map) && m.sys > m.map &&
           m.map > m.dia && IsValidClockTime(m.Clock());
}

}  // namespace vitalis
