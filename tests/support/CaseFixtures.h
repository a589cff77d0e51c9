#pragma once

#include <string>
#include <vector>

#include "case/CaseWriter.h"
#include "case/Measurement.h"
#include "case/TextSource.h"

namespace vitalis::test {

// Texts that name their own key, so tests can see which text a writer chose.
class KeyTexts final : public TextSource {
  public:
    std::string Text(std::string_view section, std::string_view key) const override {
        return std::string(section) + ":" + std::string(key);
    }
};

// A day of readings every `interval` minutes from `begin`, with a failed reading now and then.
std::vector<Measurement> SampleReadings(const ClockTime& begin, int count, int interval = 15);
CaseHeader SampleHeader(const ClockTime& begin);
// Writes a complete case file the way a download does.
void WriteSampleCase(const std::string& path, const ClockTime& begin, int count);

}  // namespace vitalis::test
