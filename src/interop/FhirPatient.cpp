#include "interop/FhirPatient.h"

#include <cstdio>
#include <sstream>

#include "case/CaseFileKeys.h"
#include "case/PatientSex.h"
#include "case/ProfileStore.h"

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

std::optional<CalendarDate> ParseDate(const std::string& text) {
    int year = 0, month = 0, day = 0;
    char rest = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%d%c", &year, &month, &day, &rest) != 3 ||
        !IsValidDate(year, month, day)) {
        return std::nullopt;
    }
    return CalendarDate{year, month, day};
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

}  // namespace

PatientFacts ReadPatientFacts(const std::string& casePath) {
    using casekeys::kPatientSection;
    const ProfileStore store(casePath, ProfileOpen::ExistingOnly);
    PatientFacts facts;
    // The case file's own sex codes; an unknown sex gives no gender at all.
    switch (SexFromCode(store.GetInt(kPatientSection, "Gender", 0))) {
        case PatientSex::Male:
            facts.gender = "male";
            break;
        case PatientSex::Female:
            facts.gender = "female";
            break;
        case PatientSex::Unknown:
            break;
    }
    facts.birthDate = ParseDate(store.GetString(kPatientSection, "Birthday", ""));
    return facts;
}

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

Json PatientResource(const Recording& recording, const PatientFacts& facts) {
    Json patient{{"resourceType", "Patient"}};
    if (const std::string id = Trimmed(recording.patientId); !id.empty()) {
        patient["identifier"] = Json::array({Json{{"value", id}}});
    }
    if (!Trimmed(recording.patientName).empty()) {
        patient["name"] = Json::array({NameJson(recording.patientName)});
    }
    if (facts.gender) patient["gender"] = *facts.gender;
    if (facts.birthDate) patient["birthDate"] = DateText(*facts.birthDate);
    return patient;
}

}  // namespace vitalis::fhir
