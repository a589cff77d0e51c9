#include "analysis/Histograms.h"

namespace vitalis {
namespace {

template <size_t Bins>
void AddValue(std::span<const int> edges, int value, std::array<double, Bins>& counts) {
    const int bin = BinOf(edges, value);
    if (bin >= 0)
        counts[static_cast<size_t>(bin)] += 1.0;
}

template <size_t Bins>
void ToShares(std::array<double, Bins>& counts, size_t n) {
    for (double& c : counts)
        c /= static_cast<double>(n);
}

}  // namespace

int BinOf(std::span<const int> edges, int value) {
    for (size_t i = 0; i + 1 < edges.size(); ++i) {
        if (edges[i] < value && value <= edges[i + 1])
            return static_cast<int>(i);
    }
    return -1;
}

HistogramSet HistogramsOf(const std::vector<Measurement>& list) {
    HistogramSet set;
    if (list.empty())
        return set;
    for (const Measurement& m : list) {
        AddValue(kSysBinEdges, m.sys, set.sys);
        AddValue(kDiaBinEdges, m.dia, set.dia);
        AddValue(kPrBinEdges, m.pr, set.pr);
    }
    ToShares(set.sys, list.size());
    ToShares(set.dia, list.size());
    ToShares(set.pr, list.size());
    return set;
}

void ComputeHistograms(AnalysisResults& results, Period period) {
    results.histograms = HistogramsOf(results.List(period));
}

}  // namespace vitalis
