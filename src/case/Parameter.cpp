#include "case/Parameter.h"

namespace vitalis {

int ValueOf(const Measurement& m, Parameter parameter) {
    switch (parameter) {
        case Parameter::Sys:
            return m.sys;
        case Parameter::Dia:
            return m.dia;
        case Parameter::Pr:
            return m.pr;
        case Parameter::Map:
            return m.map;
        case Parameter::Pp:
            return m.sys - m.dia;
    }
    return 0;
}

std::vector<int> ValuesOf(const std::vector<Measurement>& list, Parameter parameter) {
    std::vector<int> values;
    values.reserve(list.size());
    for (const Measurement& m : list) values.push_back(ValueOf(m, parameter));
    return values;
}

}  // namespace vitalis
