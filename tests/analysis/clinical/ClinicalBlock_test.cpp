#include "analysis/clinical/ClinicalBlock.h"

#include <gtest/gtest.h>

#include "analysis/clinical/ClinicalTestReadings.h"
#include "case/OfficePressure.h"

namespace vitalis::clinical {
namespace {

using test::Reading;
using test::RecordingOf;

TEST(ClinicalBlock, OneReadingGivesCountsButNoSpreadNorSlope) {
    const ClinicalBlock b = test::BlockOf(RecordingOf({Reading(128, 78, 9, 15, 66)}));
    EXPECT_EQ(b.quality.analysed, 1);
    EXPECT_DOUBLE_EQ(*b.quality.successRate, 1.0);
    EXPECT_FALSE(b.variability.Of(Period::Whole).sys.sd);
    EXPECT_FALSE(b.aasi);
    EXPECT_FALSE(b.dipping.sys.ratio);
    EXPECT_EQ(b.hourly[9].count, 1);
    EXPECT_EQ(b.guideline.profile->id, "esh2023");
    EXPECT_EQ(b.guideline.Elevated(Period::Whole), false);
    EXPECT_EQ(b.guideline.Elevated(Period::Asleep), std::nullopt);
}

TEST(ClinicalBlock, ExcludedAndImplausibleReadingsCountOnlyAsReadings) {
    Measurement excluded = Reading(200, 120, 11);
    excluded.valid = 0;
    const ClinicalBlock b = test::BlockOf(
        RecordingOf({Reading(120, 80, 10), excluded, Reading(0, 0, 12), Reading(130, 70, 13)}));
    EXPECT_EQ(b.quality.readings, 4);
    EXPECT_EQ(b.quality.analysed, 2);
    EXPECT_DOUBLE_EQ(*b.quality.successRate, 0.5);
    EXPECT_DOUBLE_EQ(*b.variability.Of(Period::Whole).sys.arv, 10.0);
}

TEST(ClinicalBlock, MultiDayRecordingHasNoPeriods) {
    Recording r = RecordingOf({Reading(120, 80, 10), Reading(110, 70, 2, 0, 70, 2)});
    r.multiDay = true;
    const ClinicalBlock b = test::BlockOf(r);
    EXPECT_EQ(b.quality.analysed, 2);
    EXPECT_EQ(b.quality.awake, 0);
    EXPECT_EQ(b.quality.asleep, 0);
    EXPECT_FALSE(b.dipping.sys.ratio);
    EXPECT_EQ(b.guideline.Elevated(Period::Whole), false);
    EXPECT_EQ(b.guideline.Elevated(Period::Awake), std::nullopt);
}

TEST(ClinicalBlock, TheGivenOfficeReadingAndGuidelineAreUsed) {
    const Recording r = RecordingOf({Reading(120, 75, 10), Reading(105, 60, 2)});
    const ClinicalBlock b = test::BlockOf(r, OfficePressure{132, 70}, "acc-aha2017");
    EXPECT_EQ(b.guideline.profile->id, "acc-aha2017");
    EXPECT_EQ(b.guideline.phenotype, Phenotype::WhiteCoat);
}

TEST(OfficePressure, TwoWholeNumbersAndNothingElse) {
    EXPECT_EQ(ParseOfficePressure("142/91"), (OfficePressure{142, 91}));
    EXPECT_EQ(ParseOfficePressure("90/60"), (OfficePressure{90, 60}));
    for (const char* bad : {"", "142", "142/", "/91", "142/91/1", " 142/91", "142 /91", "-142/91",
                            "+142/91", "142/9x", "142.5/91", "0/80", "400/80", "1420/91"}) {
        EXPECT_EQ(ParseOfficePressure(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(OfficePressureOf(0, 80), std::nullopt);
    EXPECT_EQ(OfficePressureOf(120, 0), std::nullopt);
}

}  // namespace
}  // namespace vitalis::clinical
