#include "analysis/clinical/GuidelineVerdict.h"

namespace vitalis::clinical {
namespace {

std::optional<PeriodMeans> MeansOf(const std::vector<TimedReading>& readings) {
    if (readings.empty()) return std::nullopt;
    PeriodMeans m;
    for (const TimedReading& r : readings) m.sys += r.sys, m.dia += r.dia;
    const double n = static_cast<double>(readings.size());
    m.sys /= n, m.dia /= n;
    return m;
}

// True when any period is elevated, false when every judged one is not, none when no
// period could be judged.
std::optional<bool> AnyElevated(const std::array<std::optional<bool>, 3>& elevated) {
    std::optional<bool> any;
    for (const std::optional<bool>& e : elevated) {
        if (e) any = any.value_or(false) || *e;
    }
    return any;
}

std::optional<Phenotype> PhenotypeOf(const std::optional<bool>& office,
                                     const std::optional<bool>& ambulatory) {
    if (!office || !ambulatory) return std::nullopt;
    if (*office) return *ambulatory ? Phenotype::Sustained : Phenotype::WhiteCoat;
    return *ambulatory ? Phenotype::Masked : Phenotype::Normotension;
}

}  // namespace

bool IsElevated(double sys, double dia, const PressureLimit& limit) {
    return sys >= limit.sys || dia >= limit.dia;
}

GuidelineVerdict JudgeGuideline(const GuidelineProfile& profile, const ClinicalReadings& readings,
                                const std::optional<OfficePressure>& office) {
    GuidelineVerdict v;
    v.profile = &profile;
    for (Period period : kPeriods) {
        const auto slot = static_cast<size_t>(PeriodSlot(period));
        v.means[slot] = MeansOf(readings.Of(period));
        const std::optional<PressureLimit>& limit = profile.Limit(period);
        if (limit && v.means[slot])
            v.elevated[slot] = IsElevated(v.means[slot]->sys, v.means[slot]->dia, *limit);
    }
    v.hypertension = AnyElevated(v.elevated);
    const std::optional<bool>& asleep = v.Elevated(Period::Asleep);
    const std::optional<bool>& awake = v.Elevated(Period::Awake);
    if (asleep && awake) v.nocturnalHypertension = *asleep && !*awake;
    v.office = office;
    if (office) v.officeElevated = IsElevated(office->sys, office->dia, profile.office);
    v.phenotype = PhenotypeOf(v.officeElevated, v.hypertension);
    return v;
}

}  // namespace vitalis::clinical
