#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "analysis/clinical/ClinicalBlock.h"
#include "analysis/clinical/ClinicalReadings.h"
#include "case/TextSource.h"

namespace vitalis::fhir {

using Json = nlohmann::json;

// The language text the mean Observations are named with ("Mean blood pressure").
inline constexpr std::string_view kMeanKey = "IDS_FHIR_MEAN";

// A stretch of time from its first to its last reading, as a FHIR Period.
Json PeriodJson(const ClockTime& start, const ClockTime& end);

// The mean SYS and DIA of one period's analysed readings, over the time they span; nothing
// for a period without readings (a mean that was not computed is not zero).
std::optional<Json> PeriodMeanObservation(Period period, const clinical::GuidelineVerdict& verdict,
                                          const clinical::ClinicalReadings& readings,
                                          const std::string& subject, const TextSource& texts);

// The clinical summary in words: guideline, quality, period means against thresholds,
// dipping class, one sentence a line.
std::string ConclusionText(const clinical::ClinicalBlock& block, const TextSource& texts);

// The report over the whole recording. `span` is its first and last reading, if it has any.
struct ReportParts {
    std::string subject;
    std::optional<std::pair<ClockTime, ClockTime>> span;
    std::vector<std::string> results;  // fullUrls of the Observations it refers to
    std::string conclusion;
};
Json DiagnosticReportResource(const ReportParts& parts);

}  // namespace vitalis::fhir
