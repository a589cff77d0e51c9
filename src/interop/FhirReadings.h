#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "case/Measurement.h"
#include "case/TextSource.h"

namespace vitalis::fhir {

using Json = nlohmann::json;

// How a reading stands in the analysis, which decides how it is exported.
enum class ReadingStanding {
    Analysed,  // plausible and valid: counts in the analysis
    Excluded,  // plausible, but the clinician took it out
    Failed,    // the monitor failed, or its values are not plausible
};
ReadingStanding StandingOf(const Measurement& m);

// The language texts the exported readings carry.
inline constexpr std::string_view kFhirTextSection = kGlobalTexts;
inline constexpr std::string_view kExcludedKey = "IDS_FHIR_EXCLUDED";
inline constexpr std::string_view kImplausibleKey = "IDS_FHIR_IMPLAUSIBLE";

// A pressure or rate in UCUM; whole values stay whole.
Json PressureQuantity(Json value);
Json RateQuantity(Json value);
// A LOINC coding with its display, as a CodeableConcept.
Json LoincConcept(std::string_view code, std::string_view display);
// The vital-signs category every exported Observation carries.
Json VitalSignsCategory();

// The blood-pressure panel of one reading (SYS, DIA and MAP components). A failed reading is
// "cancelled" with a reason for the missing values and its failure text as note; an
// excluded one keeps its values, with the clinician's remark and an "excluded"
// interpretation.
Json PanelObservation(const Measurement& m, const std::string& subject, const TextSource& texts);
// The pulse rate of a reading that has one (not for failed readings).
Json HeartRateObservation(const Measurement& m, const std::string& subject,
                          const TextSource& texts);

}  // namespace vitalis::fhir
