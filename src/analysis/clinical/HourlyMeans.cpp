#include "analysis/clinical/HourlyMeans.h"

namespace vitalis::clinical {

std::array<HourlyMean, 24> ComputeHourlyMeans(const std::vector<TimedReading>& readings) {
    struct Sums {
        double sys = 0.0, dia = 0.0, pr = 0.0;
    };
    std::array<Sums, 24> sums{};
    std::array<HourlyMean, 24> hours{};
    for (const TimedReading& r : readings) {
        if (r.hour < 0 || r.hour > 23) continue;
        const auto h = static_cast<size_t>(r.hour);
        sums[h].sys += r.sys, sums[h].dia += r.dia, sums[h].pr += r.pr;
        ++hours[h].count;
    }
    for (size_t h = 0; h < hours.size(); ++h) {
        HourlyMean& out = hours[h];
        out.hour = static_cast<int>(h);
        if (out.count == 0) continue;
        const double n = out.count;
        out.sys = sums[h].sys / n, out.dia = sums[h].dia / n, out.pr = sums[h].pr / n;
    }
    return hours;
}

}  // namespace vitalis::clinical
