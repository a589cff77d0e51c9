#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "case/PatientIdentity.h"

namespace vitalis::fhir {

using Json = nlohmann::json;

// A patient name as family and given names: "Family, Given Names" or "Given Names Family".
// Nothing when the name is one word (or none).
struct NameParts {
    std::string family;
    std::vector<std::string> given;
};
std::optional<NameParts> SplitPatientName(const std::string& name);

// The Patient resource of a patient: name, identifier, gender and birth date, each only
// when known.
Json PatientResource(const PatientIdentity& patient);

}  // namespace vitalis::fhir
