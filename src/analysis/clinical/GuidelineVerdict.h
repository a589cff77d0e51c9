#pragma once

#include <array>
#include <optional>

#include "analysis/clinical/ClinicalReadings.h"
#include "analysis/clinical/GuidelineProfile.h"
#include "case/OfficePressure.h"

namespace vitalis::clinical {

// The office reading and the ambulatory verdict taken together.
enum class Phenotype { Sustained, WhiteCoat, Masked, Normotension };

// Mean SYS and DIA of one period's analysed readings.
struct PeriodMeans {
    double sys = 0.0;
    double dia = 0.0;
};

// A recording judged against one guideline. Missing values are "cannot be judged".
struct GuidelineVerdict {
    const GuidelineProfile* profile = nullptr;
    std::array<std::optional<PeriodMeans>, 3> means{};  // by PeriodSlot; none without readings
    std::array<std::optional<bool>, 3> elevated{};      // by PeriodSlot
    std::optional<bool> hypertension;
    std::optional<bool> nocturnalHypertension;  // elevated asleep but not awake
    std::optional<OfficePressure> office;
    std::optional<bool> officeElevated;
    std::optional<Phenotype> phenotype;

    const std::optional<bool>& Elevated(Period period) const {
        return elevated[PeriodSlot(period)];
    }
    const std::optional<PeriodMeans>& Means(Period period) const {
        return means[PeriodSlot(period)];
    }
};

bool IsElevated(double sys, double dia, const PressureLimit& limit);

GuidelineVerdict JudgeGuideline(const GuidelineProfile& profile, const ClinicalReadings& readings,
                                const std::optional<OfficePressure>& office);

}  // namespace vitalis::clinical
