#include "case/PatientSheet.h"

#include <vector>

#include "case/CaseFileKeys.h"
#include "case/ProfileStore.h"

namespace vitalis {
namespace {

using casekeys::kPatientSection;

std::optional<std::string> TestSectionOf(const ProfileStore& store) {
    const std::string count =
        store.GetString(kPatientSection, casekeys::kTestCount, casekeys::kNoString);
    if (count == casekeys::kNoString) return {};
    return casekeys::TestSection(count);
}

}  // namespace

std::optional<PatientSheet> ReadPatientSheet(const std::string& casePath) {
    const ProfileStore store(casePath, ProfileOpen::ExistingOnly);
    const auto test = TestSectionOf(store);
    if (!test) return {};
    auto text = [&](std::string_view section, std::string_view key) {
        return store.GetString(section, key, "");
    };
    PatientSheet s;
    s.patient = ReadPatientIdentity(store);
    s.address = text(kPatientSection, "Addr");
    s.race = text(kPatientSection, "Race");
    s.height = store.GetInt(kPatientSection, "Height", 0);
    s.weight = store.GetInt(kPatientSection, "Weight", 0);
    s.age = store.GetInt(kPatientSection, "Age", 0);
    s.phone = text(kPatientSection, "Phone");
    s.office = OfficePressureOf(store.GetInt(kPatientSection, "OfficeSys", 0),
                                store.GetInt(kPatientSection, "OfficeDia", 0));
    s.medications = text(*test, "Medications");
    s.referringPhysician = text(*test, "ReferringPhys");
    s.interpretingPhysician = text(*test, "InterprettingPhys");
    s.diagnosis = text(*test, "Comments");
    s.clinicalInterpretation = text(*test, "Clinical Interp");
    s.outpatientNo = text(*test, "OutpatientNo");
    s.admissionNo = text(*test, "AdmissionNo");
    s.bedNo = text(*test, "BedNo");
    s.departmentNo = text(*test, "DepartmentNo");
    s.email = text(*test, "Email");
    return s;
}

namespace {

// An unknown birth date has no key, so that the file says "unknown" the way a downloaded
// case does.
bool ForgetBirthDate(ProfileStore& store) {
    return !store.HasKey(kPatientSection, "Birthday") ||
           store.DeleteKey(kPatientSection, "Birthday");
}

// The office pressure's two keys are written only when there is one, and removed when it was
// cleared, so a file without them stays without them.
bool WriteOffice(ProfileStore& store, const std::optional<OfficePressure>& office) {
    if (office) {
        return store.WriteStrings(kPatientSection, {{"OfficeSys", std::to_string(office->sys)},
                                                    {"OfficeDia", std::to_string(office->dia)}});
    }
    bool ok = true;
    for (const char* key : {"OfficeSys", "OfficeDia"}) {
        if (store.HasKey(kPatientSection, key)) ok = store.DeleteKey(kPatientSection, key) && ok;
    }
    return ok;
}

}  // namespace

bool WritePatientSheet(const std::string& casePath, const PatientSheet& s) {
    ProfileStore store(casePath, ProfileOpen::ExistingOnly);
    return WritePatientSheet(store, s);
}

bool WritePatientSheet(ProfileStore& store, const PatientSheet& s) {
    ProfileStore::Batch batch(store);
    const auto test = TestSectionOf(store);
    if (!test) return false;
    const std::string gender = std::to_string(SexCode(s.patient.sex));
    const std::string height = std::to_string(s.height), weight = std::to_string(s.weight);
    const std::string age = std::to_string(s.age);
    const std::string birthday = s.patient.birthDate ? BirthDateText(*s.patient.birthDate) : "";
    std::vector<ProfileStore::KeyValue> patientKeys{
        {"ID", s.patient.id},   {"Name", s.patient.name}, {"Addr", s.address}, {"Gender", gender},
        {"Birthday", birthday}, {"Race", s.race},         {"Height", height},  {"Weight", weight},
        {"Age", age},           {"Phone", s.phone}};
    if (!s.patient.birthDate)
        std::erase_if(patientKeys, [](const auto& entry) { return entry.first == "Birthday"; });
    const bool patientWritten = store.WriteStrings(kPatientSection, patientKeys) &&
                                (s.patient.birthDate || ForgetBirthDate(store));
    const bool testWritten =
        store.WriteStrings(*test, {{"Medications", s.medications},
                                   {"ReferringPhys", s.referringPhysician},
                                   {"InterprettingPhys", s.interpretingPhysician},
                                   {"Comments", s.diagnosis},
                                   {"Clinical Interp", s.clinicalInterpretation},
                                   {"OutpatientNo", s.outpatientNo},
                                   {"AdmissionNo", s.admissionNo},
                                   {"BedNo", s.bedNo},
                                   {"DepartmentNo", s.departmentNo},
                                   {"Email", s.email}});
    if (!patientWritten || !testWritten || !WriteOffice(store, s.office)) {
        batch.Abandon();
        return false;
    }
    return batch.Commit();
}

void ApplyPatientSheet(const PatientSheet& s, Recording& r) {
    r.patient = s.patient;
    r.address = s.address;
    r.race = s.race;
    r.height = s.height;
    r.weight = s.weight;
    r.age = s.age;
    r.phone = s.phone;
    r.office = s.office;
    r.medications = s.medications;
    r.referringPhysician = s.referringPhysician;
    r.interpretingPhysician = s.interpretingPhysician;
    r.comments = s.diagnosis;
    r.clinicalInterpretation = s.clinicalInterpretation;
    r.outpatientNo = s.outpatientNo;
    r.admissionNo = s.admissionNo;
    r.bedNo = s.bedNo;
    r.departmentNo = s.departmentNo;
    r.email = s.email;
}

CalendarDate HeldBirthday(const CalendarDate& birthday, const CalendarDate& today) {
    const int earliestYear = today.year - 150;
    if (birthday.year <= earliestYear) return {earliestYear, 1, 1};
    const auto days = DaysFromCivil(birthday.year, birthday.month, birthday.day);
    if (days > DaysFromCivil(today.year, today.month, today.day)) return today;
    return birthday;
}

int AgeInYears(const CalendarDate& birthday, const CalendarDate& today) {
    return today.year - birthday.year;
}

}  // namespace vitalis
