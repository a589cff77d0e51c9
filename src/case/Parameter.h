#pragma once

#include <vector>

#include "case/Measurement.h"

namespace vitalis {

// The per-reading values the analysis summarises. PP, the pulse pressure, is SYS - DIA.
enum class Parameter { Sys, Dia, Pr, Map, Pp };

int ValueOf(const Measurement& m, Parameter parameter);

// One parameter of every reading of a list, in list order: the plain array the statistics
// work on.
std::vector<int> ValuesOf(const std::vector<Measurement>& list, Parameter parameter);

}  // namespace vitalis
