#pragma once

#include <string>

#include "case/Recording.h"
#include "interop/UuidSource.h"

namespace vitalis::test {

// Identities 00000000-0000-4000-8000-000000000001, ...02, ... in turn.
class CountingUuids final : public fhir::UuidSource {
  public:
    std::string Next() override { return fhir::FormatUuid4(0, ++count_); }
    static std::string Url(int n) { return "urn:uuid:" + fhir::FormatUuid4(0, n); }

  private:
    uint64_t count_ = 0;
};

// A reading at a clock time with the given values; analysed unless changed.
inline Measurement Reading(int index, const ClockTime& at, int sys, int dia, int map, int pr) {
    Measurement m;
    m.index = index;
    m.sys = sys, m.dia = dia, m.map = map, m.pr = pr;
    m.SetClock(at);
    m.valid = 1;
    return m;
}

}  // namespace vitalis::test
