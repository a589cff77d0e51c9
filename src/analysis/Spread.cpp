#include "analysis/Spread.h"

#include <cmath>
#include <utility>

#include "analysis/Descriptive.h"

namespace vitalis {
namespace {

constexpr double kZeroMean = 1e-7;

constexpr std::pair<Parameter, Spread PeriodSpread::*> kSpreadFields[] = {
    {Parameter::Sys, &PeriodSpread::sys},
    {Parameter::Dia, &PeriodSpread::dia},
    {Parameter::Pr, &PeriodSpread::pr},
    {Parameter::Map, &PeriodSpread::map},
};

}  // namespace

void ComputeSpread(AnalysisResults& results) {
    for (Period period : kPeriods) {
        PeriodSpread& spread = results.SpreadOf(period);
        const std::vector<Measurement>& list = results.List(period);
        for (const auto& [parameter, field] : kSpreadFields) {
            Spread& figures = spread.*field;
            figures.sd = 0.0;
            figures.se = 0.0;
            if (list.empty()) continue;
            const std::vector<int> values = ValuesOf(list, parameter);
            figures.sd = StdDev(values);
            figures.se = StdErr(values);
        }
    }
}

bool ComputeVariation(AnalysisResults& results) {
    for (PeriodSpread& spread : results.spread) {
        for (const auto& [parameter, field] : kSpreadFields) (spread.*field).cv = 0.0;
    }
    for (Period period : kPeriods) {
        const std::vector<Measurement>& list = results.List(period);
        if (list.empty()) continue;
        for (const auto& [parameter, field] : kSpreadFields) {
            const std::vector<int> values = ValuesOf(list, parameter);
            const double mean = Mean(values);
            if (std::abs(mean) < kZeroMean) return false;
            (results.SpreadOf(period).*field).cv = StdDev(values) / mean;
        }
    }
    return true;
}

}  // namespace vitalis
