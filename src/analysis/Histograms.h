#pragma once

#include <array>
#include <span>
#include <vector>

#include "case/AnalysisResults.h"

namespace vitalis {

// Bin edges: value v falls into bin i when edge[i] < v <= edge[i + 1]. Values of 0 or less,
// or above 900, fall into no bin.
// Above this no value falls into a bin.
inline constexpr int kNoBinAbove = 900;

inline constexpr std::array<int, 15> kSysBinEdges{0,   90,  100, 110, 120, 130, 140, 150,
                                                  160, 170, 180, 190, 200, 210, 900};
inline constexpr std::array<int, 16> kDiaBinEdges{0,   50,  60,  70,  80,  90,  100, 110,
                                                  120, 130, 140, 150, 160, 170, 180, 900};
inline constexpr std::array<int, 16> kPrBinEdges = kDiaBinEdges;

// The edges of `bins` bins of `width` after `first`, by the same rule: the first bin takes
// everything up to first + width, the last everything above its lower edge.
std::vector<int> EqualBinEdges(int first, int width, int bins);

// The bin of a value, or -1 when it lies outside the edges.
int BinOf(std::span<const int> edges, int value);

// Share of the list's readings in each bin of SYS, DIA and PR; all 0 for an empty list.
HistogramSet HistogramsOf(const std::vector<Measurement>& list);

// The histograms of one period's list into the results.
void ComputeHistograms(AnalysisResults& results, Period period);

}  // namespace vitalis
