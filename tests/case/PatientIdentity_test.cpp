#include "case/PatientIdentity.h"

#include <gtest/gtest.h>

#include "case/ProfileStore.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

TEST(PatientIdentity, BirthDateTextOfTheCaseFile) {
    EXPECT_EQ(BirthDateFromText("1961-4-9"), (CalendarDate{1961, 4, 9}));
    EXPECT_EQ(BirthDateFromText("1961-04-09"), (CalendarDate{1961, 4, 9}));
    EXPECT_EQ(BirthDateFromText("2024-2-29"), (CalendarDate{2024, 2, 29}));
    for (const char* unknown :
         {"", "1961", "1961-4", "2025-2-29", "1961-13-1", "1961-4-9x", "9.4.1961", "no string"})
        EXPECT_EQ(BirthDateFromText(unknown), std::nullopt) << unknown;
    EXPECT_EQ(BirthDateText({1961, 4, 9}), "1961-4-9");
    EXPECT_EQ(BirthDateText({815, 12, 10}), "815-12-10");
}

TEST(PatientIdentity, ReadFromThePatientSection) {
    test::TempFolder folder;
    const std::string path = folder.File("2603010800.awp");
    test::WriteSampleCase(path, {2026, 3, 1, 8, 0}, 3);
    PatientIdentity downloaded = ReadPatientIdentity(path);
    EXPECT_EQ(downloaded.name, "Ada Lovelace");
    EXPECT_EQ(downloaded.id, "P-0042");
    EXPECT_EQ(downloaded.birthDate, std::nullopt);  // a monitor knows neither
    EXPECT_EQ(downloaded.sex, PatientSex::Unknown);

    ProfileStore store(path);
    store.WriteString("PATIENT DATA", "Gender", "2");
    store.WriteString("PATIENT DATA", "Birthday", "1950-2-3");
    const PatientIdentity entered = ReadPatientIdentity(path);
    EXPECT_EQ(entered.sex, PatientSex::Female);
    EXPECT_EQ(entered.birthDate, (CalendarDate{1950, 2, 3}));
    EXPECT_EQ(ReadPatientIdentity(folder.File("missing.awp")), PatientIdentity{});
}

}  // namespace
}  // namespace vitalis
