#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "case/CalendarTime.h"
#include "case/Recording.h"

namespace vitalis::fhir {

using Json = nlohmann::json;

// What the case file really says about the patient. A recording reads a missing birthday as
// today and a missing gender as 0, the code the patient sheet uses for men, so neither can
// tell "unknown" from a fact; the file can.
struct PatientFacts {
    std::optional<std::string> gender;  // "male" or "female"
    std::optional<CalendarDate> birthDate;
};

// Reads the facts from "PATIENT DATA" of a case file; nothing for keys it does not hold or
// that do not parse.
PatientFacts ReadPatientFacts(const std::string& casePath);

// A patient name as family and given names: "Family, Given Names" or "Given Names Family".
// Nothing when the name is one word (or none).
struct NameParts {
    std::string family;
    std::vector<std::string> given;
};
std::optional<NameParts> SplitPatientName(const std::string& name);

// The Patient resource of a recording: name, identifier, gender and birth date as known.
Json PatientResource(const Recording& recording, const PatientFacts& facts);

}  // namespace vitalis::fhir
