#include "case/PatientSheet.h"

#include <gtest/gtest.h>

#include "case/ProfileStore.h"
#include "support/CaseFixtures.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

using test::TempFolder;

TEST(BirthDate, HeldWithinOneHundredAndFiftyYearsAndToday) {
    const CalendarDate today{2026, 1, 10};
    EXPECT_EQ(HeldBirthday({1826, 5, 3}, today), (CalendarDate{1876, 1, 1}));
    EXPECT_EQ(AgeInYears(HeldBirthday({1826, 5, 3}, today), today), 150);
    EXPECT_EQ(HeldBirthday({1876, 7, 1}, today), (CalendarDate{1876, 1, 1}));
    EXPECT_EQ(HeldBirthday({1877, 7, 1}, today), (CalendarDate{1877, 7, 1}));
    EXPECT_EQ(HeldBirthday({2027, 2, 1}, today), today);
    EXPECT_EQ(HeldBirthday({2026, 1, 11}, today), today);
    // Born in December of last year: one year old in January.
    EXPECT_EQ(AgeInYears({2025, 12, 20}, today), 1);
    EXPECT_EQ(AgeInYears({1960, 12, 31}, today), 66);
}

class PatientSheetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        path = folder.File("2603010800.awp");
        test::WriteSampleCase(path, {2026, 3, 1, 8, 0}, 12);
    }
    PatientSheet Filled() const {
        PatientSheet s;
        s.patient.id = "P-17";
        s.patient.name = "Ada Byron";
        s.address = "1 Main St";
        s.patient.sex = PatientSex::Male;
        s.patient.birthDate = {1961, 4, 9};
        s.race = "n/a";
        s.height = 170;
        s.weight = 64;
        s.age = 65;
        s.phone = "555 0100";
        s.medications = "Ramipril 5 mg\r\nmorning\r\n\r\nAspirin";
        s.referringPhysician = "Dr. Quell";
        s.interpretingPhysician = "Dr. Marr";
        s.diagnosis = "Essential hypertension\r\nstage 1";
        s.clinicalInterpretation = "Non-dipper";
        s.outpatientNo = "O1";
        s.admissionNo = "A2";
        s.bedNo = "B3";
        s.departmentNo = "D4";
        s.email = "ada@example.org";
        return s;
    }
    TempFolder folder;
    std::string path;
};

TEST_F(PatientSheetTest, SavedSheetReadsBackAndLoadsIntoTheRecording) {
    const PatientSheet sheet = Filled();
    ASSERT_TRUE(WritePatientSheet(path, sheet));
    const auto again = ReadPatientSheet(path);
    ASSERT_TRUE(again);
    EXPECT_EQ(*again, sheet);

    const ProfileStore file(path);
    EXPECT_EQ(file.GetString("PATIENT DATA", "Birthday", ""), "1961-4-9");
    EXPECT_EQ(file.GetInt("PATIENT DATA", "Gender", -1), 1);
    EXPECT_EQ(file.GetString("TEST 1", "Comments", ""), sheet.diagnosis);
    EXPECT_EQ(file.GetString("TEST 1", "Count", ""), "12");

    // Loading the case sees the same values, readings untouched.
    Recording recording;
    recording.casePath = path;
    ASSERT_TRUE(recording.Load());
    EXPECT_EQ(recording.patient.id, "P-17");
    EXPECT_EQ(recording.medications, sheet.medications);
    EXPECT_EQ(recording.comments, sheet.diagnosis);
    EXPECT_EQ(recording.clinicalInterpretation, "Non-dipper");
    EXPECT_EQ(recording.interpretingPhysician, "Dr. Marr");
    EXPECT_EQ(recording.email, "ada@example.org");
    EXPECT_EQ(recording.patient.birthDate, (CalendarDate{1961, 4, 9}));
    EXPECT_EQ(recording.allMeasurements().size(), 12u);

    Recording applied;
    ApplyPatientSheet(sheet, applied);
    EXPECT_EQ(applied.patient.name, recording.patient.name);
    EXPECT_EQ(applied.bedNo, recording.bedNo);
    EXPECT_EQ(applied.height, recording.height);
}

TEST_F(PatientSheetTest, OfficePressureIsStoredOnlyWhenGivenAndRemovedWhenCleared) {
    PatientSheet sheet = *ReadPatientSheet(path);
    EXPECT_EQ(sheet.office, std::nullopt);
    // Saving the sheet as read changes nothing of the office keys: none appear.
    ASSERT_TRUE(WritePatientSheet(path, sheet));
    EXPECT_FALSE(ProfileStore(path).HasKey("PATIENT DATA", "OfficeSys"));
    EXPECT_FALSE(ProfileStore(path).HasKey("PATIENT DATA", "OfficeDia"));

    sheet.office = OfficePressure{142, 91};
    ASSERT_TRUE(WritePatientSheet(path, sheet));
    EXPECT_EQ(ProfileStore(path).GetString("PATIENT DATA", "OfficeSys", ""), "142");
    EXPECT_EQ(ProfileStore(path).GetString("PATIENT DATA", "OfficeDia", ""), "91");
    EXPECT_EQ(ReadPatientSheet(path)->office, (OfficePressure{142, 91}));
    Recording recording;
    ApplyPatientSheet(sheet, recording);
    EXPECT_EQ(recording.office, (OfficePressure{142, 91}));

    const std::string before = test::ReadBytes(path);
    ASSERT_TRUE(WritePatientSheet(path, sheet));
    EXPECT_EQ(test::ReadBytes(path), before);

    sheet.office.reset();
    ASSERT_TRUE(WritePatientSheet(path, sheet));
    EXPECT_FALSE(ProfileStore(path).HasKey("PATIENT DATA", "OfficeSys"));
    EXPECT_FALSE(ProfileStore(path).HasKey("PATIENT DATA", "OfficeDia"));
}

TEST_F(PatientSheetTest, LineBreaksAreStoredEscapedOnOneLine) {
    ASSERT_TRUE(WritePatientSheet(path, Filled()));
    const std::string bytes = test::ReadBytes(path);
    EXPECT_NE(bytes.find("Medications=Ramipril 5 mg++morning++++Aspirin"), std::string::npos);
}

TEST_F(PatientSheetTest, MissingPatientSectionReadsEmptyAndIsCreatedOnSave) {
    test::WriteBytes(path, "[PATIENT DATA]\r\nTest Count=1\r\n[TEST 1]\r\nCount=0\r\n");
    auto sheet = ReadPatientSheet(path);
    ASSERT_TRUE(sheet);
    EXPECT_TRUE(sheet->patient.name.empty());
    EXPECT_EQ(sheet->patient.birthDate, std::nullopt);  // unknown, not today
    sheet->patient.name = "New";
    ASSERT_TRUE(WritePatientSheet(path, *sheet));
    EXPECT_EQ(ProfileStore(path).GetString("PATIENT DATA", "Name", ""), "New");
    EXPECT_EQ(ProfileStore(path).GetString("TEST 1", "Email", "none"), "");
}

TEST_F(PatientSheetTest, UnknownBirthDateAndSexLeaveTheFileSayingNone) {
    PatientSheet sheet = Filled();
    ASSERT_TRUE(WritePatientSheet(path, sheet));
    ASSERT_NE(test::ReadBytes(path).find("Birthday=1961-4-9\r\n"), std::string::npos);
    sheet.patient.birthDate = std::nullopt;
    sheet.patient.sex = PatientSex::Unknown;
    ASSERT_TRUE(WritePatientSheet(path, sheet));
    // No key, as a downloaded case has none; an older reader scans nothing there either.
    EXPECT_FALSE(ProfileStore(path).HasKey("PATIENT DATA", "Birthday"));
    EXPECT_NE(test::ReadBytes(path).find("Gender=0\r\n"), std::string::npos);
    const auto back = ReadPatientSheet(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, sheet);
    Recording recording;
    recording.casePath = path;
    ASSERT_TRUE(recording.Load());
    EXPECT_EQ(recording.patient.birthDate, std::nullopt);
    EXPECT_EQ(recording.patient.sex, PatientSex::Unknown);
}

TEST_F(PatientSheetTest, CaseWithoutTestCountIsNeitherReadNorWritten) {
    test::WriteBytes(path, "[PATIENT DATA]\r\nName=Old\r\n");
    EXPECT_FALSE(ReadPatientSheet(path));
    EXPECT_FALSE(WritePatientSheet(path, Filled()));
    EXPECT_EQ(ProfileStore(path).GetString("PATIENT DATA", "Name", ""), "Old");
    EXPECT_FALSE(WritePatientSheet(folder.File("gone.awp"), Filled()));
}

}  // namespace
}  // namespace vitalis
