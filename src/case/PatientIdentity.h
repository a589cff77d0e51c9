#pragma once

#include <optional>
#include <string>

#include "case/CalendarTime.h"
#include "case/PatientSex.h"

namespace vitalis {

class ProfileStore;

// Who a recording belongs to. The name and the ID are free text, empty when nobody entered
// them; the date of birth and the sex are explicitly unknown until someone enters them, so no
// reader takes a default for a fact.
struct PatientIdentity {
    std::string name;                       // "Name"
    std::string id;                         // "ID"
    std::optional<CalendarDate> birthDate;  // "Birthday"; nothing: unknown
    PatientSex sex = PatientSex::Unknown;   // "Gender"
    bool operator==(const PatientIdentity&) const = default;
};

// "Birthday" as the case file writes it: year-month-day without leading zeros ("1961-4-9").
// Reading takes nothing that is not a valid date (a missing or empty key, text after the
// day) as unknown.
std::optional<CalendarDate> BirthDateFromText(const std::string& text);
std::string BirthDateText(const CalendarDate& date);

// The four keys from "PATIENT DATA"; what a file does not hold stays unknown.
PatientIdentity ReadPatientIdentity(const ProfileStore& store);
// The same from a case file on disk; a file that cannot be read gives an unknown patient.
PatientIdentity ReadPatientIdentity(const std::string& casePath);

}  // namespace vitalis
