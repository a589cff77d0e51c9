#pragma once

#include <span>
#include <string>
#include <vector>

#include "analysis/PeriodSummary.h"
#include "analysis/TrendRows.h"
#include "case/AnalysisResults.h"
#include "case/Parameter.h"
#include "case/TextSource.h"

namespace vitalis {

// A caption from the language file and the value written after it.
struct LabelledValue {
    std::string label;
    std::string value;
    std::string Joined() const;  // label, a space, value; the label alone when value is empty
    bool operator==(const LabelledValue&) const = default;
};

// The trend graph's box for the reading under the pointer: number, date (as the measurement
// list writes it), time, SYS/DIA, pulse rate, remark and, for an excluded reading only, the
// line that says so.
std::vector<LabelledValue> InfoBoxLines(const TrendRow& row, const TextSource& texts);

// The unit written after a value: "mmHg" for the pressures, the pulse-rate unit for PR.
std::string UnitText(Parameter parameter, const TextSource& texts);

// Maximum, minimum (each with its clock time) and the mean truncated toward zero, as the
// statistics panel writes them. A figure below 1 leaves its line with the caption alone.
std::vector<std::string> StatisticsLines(const SummaryBlock& block, Parameter parameter,
                                         const TextSource& texts);

// The caption naming a parameter in the legends and under the chart axes, e.g.
// "Systolic (mmHg)" or "Pulse rate (bpm)".
std::string ParameterCaption(Parameter parameter, const TextSource& texts);

// A fraction as a percentage with one decimal: 0.125 -> "12.5%".
std::string PercentText(double fraction);

// The correlation chart's text block: both regression lines, the centre of the cloud, r.
std::vector<LabelledValue> CorrelationLines(const CorrelationData& data, const TextSource& texts);

// The pie legend's three rows for one parameter's bounds, in the histograms' bin rule and
// captions: above (">high"), within ("low+1-high"), below ("≤low").
struct RangeLegend {
    std::string above;
    std::string within;
    std::string below;
};
RangeLegend RangeLegendTexts(int low, int high);

// The captions under a histogram's bars for its bin edges: "≤90", "91-100", ..., ">210".
std::vector<std::string> BinLabels(std::span<const int> edges);

}  // namespace vitalis
