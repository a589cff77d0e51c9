#pragma once

#include <array>
#include <optional>

#include "analysis/clinical/ClinicalReadings.h"

namespace vitalis::clinical {

// Spread of one pressure over one period's analysed readings in time order. Every figure is
// missing when it cannot be computed (too few readings, a zero denominator).
struct VariabilityFigures {
    std::optional<double> sd;       // sample standard deviation (n - 1)
    std::optional<double> cv;       // sd / mean
    std::optional<double> arv;      // mean absolute difference of successive readings
    std::optional<double> arvTime;  // the same, weighted by the minutes between them
    std::optional<double> sv;       // root mean square of successive differences
};

struct PeriodVariability {
    VariabilityFigures sys;
    VariabilityFigures dia;
};

struct Variability {
    std::array<PeriodVariability, 3> periods{};  // by PeriodSlot
    std::optional<double> wsdSys;  // awake and asleep SD weighted by the hours each covers
    std::optional<double> wsdDia;

    const PeriodVariability& Of(Period period) const { return periods[PeriodSlot(period)]; }
};

// Which value of a reading a figure is taken of.
enum class Pressure { Sys, Dia };

VariabilityFigures VariabilityOf(const std::vector<TimedReading>& readings, Pressure pressure);
Variability ComputeVariability(const ClinicalReadings& readings);

}  // namespace vitalis::clinical
