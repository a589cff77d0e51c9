#include "analysis/HourlyRatio.h"

#include <cmath>

namespace vitalis {
namespace {

constexpr double kNearZero = 1e-7;

// Mean over standard deviation of the 24 hourly means; false when either is zero.
bool Ratio(const std::array<int, 24>& hourly, double& ratio) {
    double sum = 0.0;
    for (int h : hourly) sum += h;
    const double mean = sum / 24.0;
    if (std::abs(mean) < kNearZero) return false;
    double squares = 0.0;
    for (int h : hourly) squares += (h - mean) * (h - mean);
    const double variation = std::sqrt(squares / 24.0) / mean;
    if (std::abs(variation) < kNearZero) return false;
    ratio = 1.0 / variation;
    return true;
}

}  // namespace

std::array<int, 24> HourlyMeans(const std::vector<Measurement>& list, Parameter parameter) {
    std::array<long long, 24> sums{};
    std::array<int, 24> counts{};
    for (const Measurement& m : list) {
        if (m.hour < 0 || m.hour > 23) continue;
        sums[static_cast<size_t>(m.hour)] += ValueOf(m, parameter);
        ++counts[static_cast<size_t>(m.hour)];
    }
    std::array<int, 24> means{};
    for (size_t h = 0; h < 24; ++h) {
        if (counts[h] > 0) means[h] = static_cast<int>(sums[h] / counts[h]);
    }
    return means;
}

bool ComputeHourlyRatio(AnalysisResults& results) {
    results.sysHourlyRatio = 0.0;
    results.diaHourlyRatio = 0.0;
    const auto& list = results.validMeasurements;
    return Ratio(HourlyMeans(list, Parameter::Sys), results.sysHourlyRatio) &&
           Ratio(HourlyMeans(list, Parameter::Dia), results.diaHourlyRatio);
}

}  // namespace vitalis
