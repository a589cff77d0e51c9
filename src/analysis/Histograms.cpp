#include "analysis/Histograms.h"

#include <vector>

namespace vitalis {
namespace {

// The bin of every value up to the last edge, worked out once: histograms are redrawn for
// every period and range change, and a table look-up beats searching the edges each time.
class BinTable {
  public:
    explicit BinTable(std::span<const int> edges) : bins_(static_cast<size_t>(edges.back()) + 1) {
        for (size_t v = 0; v < bins_.size(); ++v) bins_[v] = BinOf(edges, static_cast<int>(v));
    }
    int operator()(int value) const {
        if (value < 0 || static_cast<size_t>(value) >= bins_.size()) return -1;
        return bins_[static_cast<size_t>(value)];
    }

  private:
    std::vector<int> bins_;
};

template <size_t Bins>
void AddValue(const BinTable& table, int value, std::array<double, Bins>& counts) {
    const int bin = table(value);
    if (bin >= 0) counts[static_cast<size_t>(bin)] += 1.0;
}

template <size_t Bins>
void ToShares(std::array<double, Bins>& counts, size_t n) {
    for (double& c : counts) c /= static_cast<double>(n);
}

}  // namespace

std::vector<int> EqualBinEdges(int first, int width, int bins) {
    std::vector<int> edges{0};
    for (int i = 1; i < bins; ++i) edges.push_back(first + i * width);
    edges.push_back(kNoBinAbove);
    return edges;
}

int BinOf(std::span<const int> edges, int value) {
    for (size_t i = 0; i + 1 < edges.size(); ++i) {
        if (edges[i] < value && value <= edges[i + 1]) return static_cast<int>(i);
    }
    return -1;
}

HistogramSet HistogramsOf(const std::vector<Measurement>& list) {
    HistogramSet set;
    if (list.empty()) return set;
    static const BinTable sysBins(kSysBinEdges), diaBins(kDiaBinEdges), prBins(kPrBinEdges);
    for (const Measurement& m : list) {
        AddValue(sysBins, m.sys, set.sys);
        AddValue(diaBins, m.dia, set.dia);
        AddValue(prBins, m.pr, set.pr);
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
