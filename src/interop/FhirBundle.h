#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "analysis/clinical/GuidelineProfile.h"
#include "case/OfficePressure.h"
#include "case/Recording.h"
#include "case/TextSource.h"
#include "interop/FhirPatient.h"
#include "interop/UuidSource.h"

namespace vitalis::fhir {

using Json = nlohmann::json;

struct ExportOptions {
    // Failed and excluded readings too, not only the analysed ones.
    bool allReadings = false;
    // The guideline the conclusion judges by; the default profile when none.
    const clinical::GuidelineProfile* guideline = nullptr;
    // The office reading; the recording's own when none is given.
    std::optional<OfficePressure> office;
};

// One FHIR R4 Bundle of type "collection" for a recording: the Patient, a blood-pressure
// panel and a heart-rate Observation per analysed reading (with `allReadings`, the failed
// and excluded readings as well), the period means, and a DiagnosticReport that refers to
// every panel and mean and concludes with the clinical summary. Every entry's fullUrl is
// "urn:uuid:" and an identity from `uuids`, taken in entry order. The analysis is run here
// on the recording's readings; the recording is not changed.
Json BuildBundle(const Recording& recording, const ExportOptions& options, UuidSource& uuids,
                 const TextSource& texts);

// The bundle as the file holds it: indented JSON in UTF-8.
std::string BundleText(const Json& bundle);

// Writes the bundle beside the file and then puts it in its place, so a failed write never
// leaves half a bundle; false when it could not be written.
bool WriteBundle(const std::string& path, const Json& bundle);

}  // namespace vitalis::fhir
