#include "interop/FhirPatient.h"

#include <gtest/gtest.h>

#include "case/ProfileStore.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using fhir::NameParts;
using fhir::SplitPatientName;

TEST(FhirPatientName, SplitsFamilyFromGivenNamesWhereTheNameAllowsIt) {
    const auto plain = SplitPatientName("  Ada   King Lovelace ");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->family, "Lovelace");
    EXPECT_EQ(plain->given, (std::vector<std::string>{"Ada", "King"}));
    const auto comma = SplitPatientName("García Márquez, Gabriel José");
    ASSERT_TRUE(comma);
    EXPECT_EQ(comma->family, "García Márquez");
    EXPECT_EQ(comma->given, (std::vector<std::string>{"Gabriel", "José"}));
    EXPECT_FALSE(SplitPatientName("Madonna"));
    EXPECT_FALSE(SplitPatientName(""));
    EXPECT_FALSE(SplitPatientName("   "));
    EXPECT_FALSE(SplitPatientName(", Ada"));
    EXPECT_FALSE(SplitPatientName("Lovelace,"));
    EXPECT_FALSE(SplitPatientName("a, b, c"));
}

TEST(FhirPatientFacts, GenderAndBirthDateOnlyWhenTheCaseFileHoldsThem) {
    test::TempFolder folder;
    const std::string path = folder.File("2603010800.awp");
    test::WriteSampleCase(path, {2026, 3, 1, 8, 0}, 3);
    const auto genderOf = [](const PatientIdentity& p) {
        return fhir::PatientResource(p).value("gender", std::string());
    };
    // A downloaded case says nothing about either.
    PatientIdentity facts = ReadPatientIdentity(path);
    EXPECT_EQ(genderOf(facts), "");
    EXPECT_FALSE(facts.birthDate);

    ProfileStore store(path);
    store.WriteString("PATIENT DATA", "Gender", "1");  // the case file's code for male
    store.WriteString("PATIENT DATA", "Birthday", "1950-2-3");
    facts = ReadPatientIdentity(path);
    EXPECT_EQ(genderOf(facts), "male");
    EXPECT_EQ(facts.birthDate, (CalendarDate{1950, 2, 3}));

    store.WriteString("PATIENT DATA", "Gender", "2");
    store.WriteString("PATIENT DATA", "Birthday", "1950-2-30");
    facts = ReadPatientIdentity(path);
    EXPECT_EQ(genderOf(facts), "female");
    EXPECT_FALSE(facts.birthDate);

    store.WriteString("PATIENT DATA", "Gender", "7");
    store.WriteString("PATIENT DATA", "Birthday", "1950-2-3x");
    facts = ReadPatientIdentity(path);
    EXPECT_EQ(genderOf(facts), "");
    EXPECT_FALSE(facts.birthDate);
    EXPECT_EQ(genderOf(ReadPatientIdentity(folder.File("missing.awp"))), "");
}

TEST(FhirPatientResource, NameIdentifierGenderAndBirthDate) {
    PatientIdentity r;
    r.name = "Ada Lovelace";
    r.id = " P-0042 ";
    r.sex = PatientSex::Female;
    r.birthDate = CalendarDate{815, 12, 10};
    const fhir::Json p = fhir::PatientResource(r);
    EXPECT_EQ(p["resourceType"], "Patient");
    EXPECT_EQ(p["identifier"][0]["value"], "P-0042");
    EXPECT_EQ(p["name"][0]["text"], "Ada Lovelace");
    EXPECT_EQ(p["name"][0]["family"], "Lovelace");
    EXPECT_EQ(p["name"][0]["given"][0], "Ada");
    EXPECT_EQ(p["gender"], "female");
    EXPECT_EQ(p["birthDate"], "0815-12-10");

    // Unknown sex and birth date are left out, never written as "unknown".
    const fhir::Json empty = fhir::PatientResource(PatientIdentity());
    EXPECT_EQ(empty.size(), 1u) << empty.dump();  // the resource type alone
}

}  // namespace
}  // namespace vitalis
