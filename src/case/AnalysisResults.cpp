#include "case/AnalysisResults.h"

namespace vitalis {

ParameterStats& PeriodStats::Of(Parameter parameter) {
    switch (parameter) {
        case Parameter::Sys:
            return sys;
        case Parameter::Dia:
            return dia;
        case Parameter::Pr:
            return pr;
        case Parameter::Map:
            return map;
        case Parameter::Pp:
            break;
    }
    return pp;
}

const ParameterStats& PeriodStats::Of(Parameter parameter) const {
    return const_cast<PeriodStats*>(this)->Of(parameter);
}

const std::vector<Measurement>& AnalysisResults::List(Period period) const {
    switch (period) {
        case Period::Awake:
            return awakeMeasurements;
        case Period::Asleep:
            return asleepMeasurements;
        case Period::Whole:
            break;
    }
    return validMeasurements;
}

}  // namespace vitalis
