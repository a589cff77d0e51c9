#pragma once

#include <optional>
#include <string>

#include "case/CalendarTime.h"
#include "case/OfficePressure.h"
#include "case/PatientIdentity.h"
#include "case/Recording.h"

namespace vitalis {

class ProfileStore;

// What the patient information sheet edits, one field per case-file key. The patient's own
// keys live in "PATIENT DATA"; the medication, physician and clinic keys live in the test
// section, where loading a case reads them.
struct PatientSheet {
    // "PATIENT DATA"
    PatientIdentity patient;  // "ID", "Name", "Birthday", "Gender"
    std::string address;      // "Addr"
    std::string race;
    int height = 0;  // cm
    int weight = 0;  // kg
    int age = 0;
    std::string phone;
    std::optional<OfficePressure> office;  // "OfficeSys" / "OfficeDia", both or neither
    // Test section
    std::string medications;
    std::string referringPhysician;      // "ReferringPhys"
    std::string interpretingPhysician;   // "InterprettingPhys"
    std::string diagnosis;               // "Comments", the diagnosis page
    std::string clinicalInterpretation;  // "Clinical Interp", the physicians' third text
    std::string outpatientNo;
    std::string admissionNo;
    std::string bedNo;
    std::string departmentNo;
    std::string email;

    bool operator==(const PatientSheet&) const = default;
};

// Reads the sheet from a case file; nothing when the file has no "Test Count". A missing or
// unreadable "Birthday" reads as unknown, as loading the case does.
std::optional<PatientSheet> ReadPatientSheet(const std::string& casePath);
// Writes every key of the sheet in one change of the file; keys that are missing are created.
// An unknown birth date leaves no "Birthday" key, as a downloaded case has none, and an
// unknown sex is "Gender" 0; older readers take both as nobody having entered them. False when the
// file has no "Test Count" or cannot be written.
bool WritePatientSheet(const std::string& casePath, const PatientSheet& sheet);
// The same as part of a larger change of the store: inside the caller's batch, false also
// when the batch's changes were dropped.
bool WritePatientSheet(ProfileStore& store, const PatientSheet& sheet);
// Copies the sheet into the recording's fields of the same keys.
void ApplyPatientSheet(const PatientSheet& sheet, Recording& recording);

// The birth date the sheet accepts: not before 1 January of (this year − 150), not after
// today.
CalendarDate HeldBirthday(const CalendarDate& birthday, const CalendarDate& today);
// Age in calendar years: this year − year of birth, without regard to month and day.
int AgeInYears(const CalendarDate& birthday, const CalendarDate& today);

}  // namespace vitalis
