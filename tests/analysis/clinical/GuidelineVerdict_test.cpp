#include "analysis/clinical/GuidelineVerdict.h"

#include <gtest/gtest.h>

#include "analysis/clinical/ClinicalTestReadings.h"

namespace vitalis::clinical {
namespace {

using test::Reading;
using test::RecordingOf;

GuidelineVerdict Judge(const Recording& r, std::string_view id,
                       std::optional<OfficePressure> office = std::nullopt) {
    return JudgeGuideline(*FindGuideline(id), test::OrderedOf(r), office);
}

TEST(GuidelineProfiles, IdsNamesAndThresholds) {
    ASSERT_EQ(GuidelineProfiles().size(), 3u);
    EXPECT_EQ(GuidelineProfiles().front().id, "esh2023");
    const GuidelineProfile& acc = *FindGuideline("acc-aha2017");
    EXPECT_EQ(acc.name, "ACC/AHA 2017");
    EXPECT_EQ(*acc.Limit(Period::Whole), (PressureLimit{125, 75}));
    EXPECT_EQ(*acc.Limit(Period::Asleep), (PressureLimit{110, 65}));
    EXPECT_EQ(acc.office, (PressureLimit{130, 80}));
    const GuidelineProfile& nice = *FindGuideline("nice2019");
    EXPECT_EQ(nice.name, "NICE NG136");
    EXPECT_FALSE(nice.Limit(Period::Whole));
    EXPECT_FALSE(nice.Limit(Period::Asleep));
    EXPECT_EQ(*nice.Limit(Period::Awake), (PressureLimit{135, 85}));
    EXPECT_EQ(FindGuideline("ESH2023"), nullptr);
    EXPECT_EQ(GuidelineOrDefault("unknown").id, "esh2023");
}

TEST(GuidelineVerdict, AMeanExactlyAtTheThresholdIsElevated) {
    // Awake mean 135/70 (ESH awake 135/85), asleep mean 119/69.5 (120/70), whole 130.43/69.9.
    const Recording r = RecordingOf(
        {Reading(130, 70, 10), Reading(140, 70, 11), Reading(135, 70, 12), Reading(135, 70, 13),
         Reading(135, 70, 14), Reading(119, 69, 2), Reading(119, 70, 3)});
    const GuidelineVerdict v = Judge(r, "esh2023");
    EXPECT_EQ(v.Elevated(Period::Awake), true);
    EXPECT_EQ(v.Elevated(Period::Asleep), false);
    EXPECT_EQ(v.Elevated(Period::Whole), true);
    EXPECT_EQ(v.hypertension, true);
    EXPECT_EQ(v.nocturnalHypertension, false);
    EXPECT_DOUBLE_EQ(v.Means(Period::Asleep)->dia, 69.5);
}

TEST(GuidelineVerdict, DiastolicAloneCanElevate) {
    const Recording r = RecordingOf({Reading(100, 80, 10), Reading(100, 70, 2)});
    const GuidelineVerdict v = Judge(r, "esh2023");
    EXPECT_EQ(v.Elevated(Period::Awake), false);  // 80 < 85
    EXPECT_EQ(v.Elevated(Period::Asleep), true);  // 70 >= 70
    EXPECT_EQ(v.Elevated(Period::Whole), false);  // 75 < 80
    EXPECT_EQ(v.nocturnalHypertension, true);
    EXPECT_EQ(v.hypertension, true);
}

TEST(GuidelineVerdict, PeriodsWithoutThresholdOrReadingsAreNotJudged) {
    const Recording awakeOnly = RecordingOf({Reading(120, 78, 10)});
    const GuidelineVerdict esh = Judge(awakeOnly, "esh2023");
    EXPECT_EQ(esh.Elevated(Period::Asleep), std::nullopt);
    EXPECT_EQ(esh.nocturnalHypertension, std::nullopt);
    EXPECT_EQ(esh.hypertension, false);
    const GuidelineVerdict nice =
        Judge(RecordingOf({Reading(120, 80, 10), Reading(150, 95, 2)}), "nice2019");
    EXPECT_EQ(nice.Elevated(Period::Whole), std::nullopt);
    EXPECT_EQ(nice.Elevated(Period::Asleep), std::nullopt);
    EXPECT_EQ(nice.Elevated(Period::Awake), false);
    EXPECT_EQ(nice.hypertension, false);
    EXPECT_EQ(nice.nocturnalHypertension, std::nullopt);
    const GuidelineVerdict empty = Judge(RecordingOf({}), "esh2023", OfficePressure{150, 95});
    EXPECT_EQ(empty.hypertension, std::nullopt);
    EXPECT_EQ(empty.officeElevated, true);
    EXPECT_EQ(empty.phenotype, std::nullopt);
}

TEST(GuidelineVerdict, PhenotypesFromOfficeAndAmbulatoryVerdicts) {
    const Recording normal = RecordingOf({Reading(120, 75, 10), Reading(105, 60, 2)});
    const Recording high = RecordingOf({Reading(140, 90, 10), Reading(125, 75, 2)});
    EXPECT_EQ(Judge(high, "esh2023", OfficePressure{140, 80}).phenotype, Phenotype::Sustained);
    EXPECT_EQ(Judge(normal, "esh2023", OfficePressure{120, 90}).phenotype, Phenotype::WhiteCoat);
    EXPECT_EQ(Judge(high, "esh2023", OfficePressure{139, 89}).phenotype, Phenotype::Masked);
    EXPECT_EQ(Judge(normal, "esh2023", OfficePressure{139, 89}).phenotype, Phenotype::Normotension);
    // The same office reading is elevated by the stricter profile.
    const GuidelineVerdict acc = Judge(normal, "acc-aha2017", OfficePressure{130, 70});
    EXPECT_EQ(acc.officeElevated, true);
    EXPECT_EQ(acc.office, (OfficePressure{130, 70}));
    const GuidelineVerdict none = Judge(high, "esh2023");
    EXPECT_EQ(none.office, std::nullopt);
    EXPECT_EQ(none.officeElevated, std::nullopt);
    EXPECT_EQ(none.phenotype, std::nullopt);
}

}  // namespace
}  // namespace vitalis::clinical
