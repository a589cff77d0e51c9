#include "case/PatientIdentity.h"

#include <cstdio>

#include "case/CaseFileKeys.h"
#include "case/ProfileStore.h"

namespace vitalis {

std::optional<CalendarDate> BirthDateFromText(const std::string& text) {
    int year = 0, month = 0, day = 0;
    char rest = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%d%c", &year, &month, &day, &rest) != 3 ||
        !IsValidDate(year, month, day)) {
        return std::nullopt;
    }
    return CalendarDate{year, month, day};
}

std::string BirthDateText(const CalendarDate& date) {
    return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" +
           std::to_string(date.day);
}

PatientIdentity ReadPatientIdentity(const ProfileStore& store) {
    using casekeys::kPatientSection;
    PatientIdentity p;
    p.name = store.GetString(kPatientSection, "Name", "");
    p.id = store.GetString(kPatientSection, "ID", "");
    p.birthDate = BirthDateFromText(store.GetString(kPatientSection, "Birthday", ""));
    p.sex = SexFromCode(store.GetInt(kPatientSection, "Gender", 0));
    return p;
}

PatientIdentity ReadPatientIdentity(const std::string& casePath) {
    return ReadPatientIdentity(ProfileStore(casePath, ProfileOpen::ExistingOnly));
}

}  // namespace vitalis
