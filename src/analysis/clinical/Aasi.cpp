#include "analysis/clinical/Aasi.h"

namespace vitalis::clinical {

std::optional<double> ComputeAasi(const std::vector<TimedReading>& readings) {
    const size_t n = readings.size();
    if (n < 3) return std::nullopt;
    double sumSys = 0.0, sumDia = 0.0;
    for (const TimedReading& r : readings) sumSys += r.sys, sumDia += r.dia;
    const double meanSys = sumSys / static_cast<double>(n);
    const double meanDia = sumDia / static_cast<double>(n);
    // Deviations from the means: exact for whole-number pressures, and no cancellation.
    double sxx = 0.0, sxy = 0.0;
    for (const TimedReading& r : readings) {
        const double dx = r.sys - meanSys;
        sxx += dx * dx;
        sxy += dx * (r.dia - meanDia);
    }
    if (sxx == 0.0) return std::nullopt;
    return 1.0 - sxy / sxx;
}

}  // namespace vitalis::clinical
