#include "analysis/Descriptive.h"

#include <cmath>

namespace vitalis {

double Mean(std::span<const int> values) {
    if (values.empty()) return 0.0;
    double sum = 0.0;
    for (int v : values) sum += v;
    return sum / static_cast<double>(values.size());
}

float SinglePrecisionMean(std::span<const int> values) {
    if (values.empty()) return 0.0f;
    float sum = 0.0f;
    for (int v : values) sum += static_cast<float>(v);
    return sum / static_cast<float>(values.size());
}

double StdDev(std::span<const int> values) {
    if (values.empty()) return -1.0;
    const double m = Mean(values);
    double squares = 0.0;
    for (int v : values) squares += (v - m) * (v - m);
    return std::sqrt(squares / static_cast<double>(values.size()));
}

double StdErr(std::span<const int> values) {
    if (values.empty()) return -1.0;
    return StdDev(values) / std::sqrt(static_cast<double>(values.size()));
}

int IndexOfMax(std::span<const int> values) {
    int best = -1;
    for (size_t i = 0; i < values.size(); ++i) {
        if (best < 0 || values[i] >= values[static_cast<size_t>(best)]) best = static_cast<int>(i);
    }
    return best;
}

int IndexOfMin(std::span<const int> values) {
    int best = -1;
    for (size_t i = 0; i < values.size(); ++i) {
        if (best < 0 || values[i] <= values[static_cast<size_t>(best)]) best = static_cast<int>(i);
    }
    return best;
}

}  // namespace vitalis
