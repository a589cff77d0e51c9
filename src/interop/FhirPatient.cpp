#include "interop/FhirPatient.h"

#include <cstdio>
#include <sstream>

#include "case/PatientSex.h"

namespace vitalis::fhir {
namespace {

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

std::string Trimmed(const std::string& text) {
    const std::vector<std::string> words = Words(text);
    std::string joined;
    for (const std::string& word : words) joined += (joined.empty() ? "" : " ") + word;
    return joined;
}

std::string DateText(const CalendarDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

Json NameJson(const std::string& name) {
    Json out{{"text", Trimmed(name)}};
    if (const std::optional<NameParts> parts = SplitPatientName(name)) {
        out["family"] = parts->family;
        out["given"] = parts->given;
    }
    return out;
}

std::optional<std::string_view> GenderCode(PatientSex sex) {
    switch (sex) {
        case PatientSex::Male:
            return "male";
        case PatientSex::Female:
            return "female";
        case PatientSex::Unknown:
            break;
    }
    return std::nullopt;  // left out rather than said "unknown"
}

}  // namespace

std::optional<NameParts> SplitPatientName(const std::string& name) {
    const size_t comma = name.find(',');
    if (comma != std::string::npos) {
        const std::string family = Trimmed(name.substr(0, comma));
        std::vector<std::string> given = Words(name.substr(comma + 1));
        if (family.empty() || given.empty() || name.find(',', comma + 1) != std::string::npos)
            return std::nullopt;
        return NameParts{family, std::move(given)};
    }
    std::vector<std::string> words = Words(name);
    if (words.size() < 2) return std::nullopt;
    std::string family = std::move(words.back());
    words.pop_back();
    return NameParts{std::move(family), std::move(words)};
}

Json PatientResource(const PatientIdentity& patient) {
    Json out{{"resourceType", "Patient"}};
    if (const std::string id = Trimmed(patient.id); !id.empty()) {
        out["identifier"] = Json::array({Json{{"value", id}}});
    }
    if (!Trimmed(patient.name).empty()) out["name"] = Json::array({NameJson(patient.name)});
    if (const auto gender = GenderCode(patient.sex)) out["gender"] = *gender;
    if (patient.birthDate) out["birthDate"] = DateText(*patient.birthDate);
    return out;
}

}  // namespace vitalis::fhir
