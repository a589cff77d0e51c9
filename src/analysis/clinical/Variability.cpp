#include "analysis/clinical/Variability.h"

#include <bitset>
#include <cmath>
#include <cstdlib>

namespace vitalis::clinical {
namespace {

int ValueOf(const TimedReading& r, Pressure pressure) {
    return pressure == Pressure::Sys ? r.sys : r.dia;
}

std::optional<double> SampleSd(const std::vector<TimedReading>& readings, Pressure pressure,
                               double mean) {
    const size_t n = readings.size();
    if (n < 2) return std::nullopt;
    double squares = 0.0;
    for (const TimedReading& r : readings) {
        const double d = ValueOf(r, pressure) - mean;
        squares += d * d;
    }
    return std::sqrt(squares / static_cast<double>(n - 1));
}

// The distinct clock hours in which a period holds a reading.
int HoursCovered(const std::vector<TimedReading>& readings) {
    std::bitset<24> hours;
    for (const TimedReading& r : readings) hours.set(static_cast<size_t>(r.hour));
    return static_cast<int>(hours.count());
}

std::optional<double> WeightedSd(const std::optional<double>& awakeSd, int awakeHours,
                                 const std::optional<double>& asleepSd, int asleepHours) {
    if (!awakeSd || !asleepSd) return std::nullopt;
    // Both SDs exist, so each period holds readings and covers at least one hour.
    return (*awakeSd * awakeHours + *asleepSd * asleepHours) / (awakeHours + asleepHours);
}

}  // namespace

VariabilityFigures VariabilityOf(const std::vector<TimedReading>& readings, Pressure pressure) {
    VariabilityFigures f;
    const size_t n = readings.size();
    if (n == 0) return f;
    double sum = 0.0;
    for (const TimedReading& r : readings) sum += ValueOf(r, pressure);
    const double mean = sum / static_cast<double>(n);
    f.sd = SampleSd(readings, pressure, mean);
    if (f.sd && mean != 0.0) f.cv = *f.sd / mean;

    double absolute = 0.0, squares = 0.0, weighted = 0.0, minutes = 0.0;
    for (size_t k = 0; k + 1 < n; ++k) {
        const double step = ValueOf(readings[k + 1], pressure) - ValueOf(readings[k], pressure);
        const double w = static_cast<double>(readings[k + 1].minutes - readings[k].minutes);
        absolute += std::abs(step);
        squares += step * step;
        weighted += w * std::abs(step);
        minutes += w;
    }
    if (n >= 2) {
        f.arv = absolute / static_cast<double>(n - 1);
        f.sv = std::sqrt(squares / static_cast<double>(n - 1));
    }
    if (minutes != 0.0) f.arvTime = weighted / minutes;
    return f;
}

Variability ComputeVariability(const ClinicalReadings& readings) {
    Variability v;
    for (Period period : kPeriods) {
        PeriodVariability& p = v.periods[PeriodSlot(period)];
        p.sys = VariabilityOf(readings.Of(period), Pressure::Sys);
        p.dia = VariabilityOf(readings.Of(period), Pressure::Dia);
    }
    const int awakeHours = HoursCovered(readings.awake);
    const int asleepHours = HoursCovered(readings.asleep);
    const PeriodVariability& awake = v.Of(Period::Awake);
    const PeriodVariability& asleep = v.Of(Period::Asleep);
    v.wsdSys = WeightedSd(awake.sys.sd, awakeHours, asleep.sys.sd, asleepHours);
    v.wsdDia = WeightedSd(awake.dia.sd, awakeHours, asleep.dia.sd, asleepHours);
    return v;
}

}  // namespace vitalis::clinical
