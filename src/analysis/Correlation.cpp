#include "analysis/Correlation.h"

#include <climits>
#include <cmath>

#include "analysis/Descriptive.h"
#include "analysis/DiaryPeriods.h"
#include "analysis/PeriodDivision.h"

namespace vitalis {
namespace {

constexpr double kFlat = 1e-7;        // below this a sum of squares counts as zero
constexpr double kCoincident = 1e-9;  // 1 - a * c at or below this: the lines are one

// Means and sums of squared and crossed deviations of SYS (x) and DIA (y).
struct Sums {
    double mx = 0.0;
    double my = 0.0;
    double sxx = 0.0;
    double syy = 0.0;
    double sxy = 0.0;
};

Sums SumsOf(std::span<const int> x, std::span<const int> y) {
    Sums s;
    s.mx = Mean(x);
    s.my = Mean(y);
    for (size_t i = 0; i < x.size(); ++i) {
        const double dx = x[i] - s.mx;
        const double dy = y[i] - s.my;
        s.sxx += dx * dx;
        s.syy += dy * dy;
        s.sxy += dx * dy;
    }
    return s;
}

// Truncates toward zero, kept inside the range of int (NaN gives 0).
int Truncate(double v) {
    if (std::isnan(v)) return 0;
    if (v <= INT_MIN) return INT_MIN;
    if (v >= INT_MAX) return INT_MAX;
    return static_cast<int>(v);
}

int RoundHalfUp(double v) {
    return Truncate(v + 0.5);
}

void FitLines(const Sums& s, CorrelationData& data) {
    if (s.sxx >= kFlat) {
        data.diaOnSysSlope = s.sxy / s.sxx;
        data.diaOnSysIntercept = s.my - data.diaOnSysSlope * s.mx;
    }
    if (s.syy >= kFlat) {
        data.sysOnDiaSlope = s.sxy / s.syy;
        data.sysOnDiaIntercept = s.mx - data.sysOnDiaSlope * s.my;
    }
}

}  // namespace

bool PearsonR(std::span<const int> x, std::span<const int> y, double& r) {
    if (x.empty() || x.size() != y.size()) return false;
    const Sums s = SumsOf(x, y);
    const double d = std::sqrt(s.sxx * s.syy);
    if (d < kFlat) return false;
    r = s.sxy / d;
    return true;
}

void BuildCorrelationData(const Recording& recording, AnalysisResults& results) {
    CorrelationData& data = results.correlation;
    data = CorrelationData{};
    const std::vector<Measurement>& list = results.validMeasurements;
    if (list.empty()) return;
    for (const Measurement& m : list) {
        auto& points = IsAsleepReading(recording, m) ? data.asleepPoints : data.awakePoints;
        points.push_back({m.sys, m.dia});
    }
    const std::vector<int> x = ValuesOf(list, Parameter::Sys);
    const std::vector<int> y = ValuesOf(list, Parameter::Dia);
    const Sums s = SumsOf(x, y);
    FitLines(s, data);
    data.centreSys = Truncate(s.mx);
    data.centreDia = Truncate(s.my);
    PearsonR(x, y, data.r);
}

bool ComputeCorrelation(AnalysisResults& results) {
    results.reportR = 0.0;
    const std::vector<Measurement>& list = results.validMeasurements;
    return PearsonR(ValuesOf(list, Parameter::Sys), ValuesOf(list, Parameter::Dia),
                    results.reportR);
}

bool ComputeRegression(AnalysisResults& results) {
    results.reportDiaOnSysSlope = results.reportDiaOnSysIntercept = 0.0;
    results.reportSysOnDiaSlope = results.reportSysOnDiaIntercept = 0.0;
    results.reportCentreSys = results.reportCentreDia = 0;
    results.stiffnessIndex = 0.0;
    const std::vector<Measurement>& list = results.validMeasurements;
    const Sums s = SumsOf(ValuesOf(list, Parameter::Sys), ValuesOf(list, Parameter::Dia));
    if (list.empty() || s.sxx < kFlat) return false;
    const double a = s.sxy / s.sxx;
    const double b = s.my - a * s.mx;
    results.reportDiaOnSysSlope = a;
    results.reportDiaOnSysIntercept = b;
    if (s.syy < kFlat) return false;
    const double c = s.sxy / s.syy;
    const double d = s.mx - c * s.my;
    results.reportSysOnDiaSlope = c;
    results.reportSysOnDiaIntercept = d;
    const double q = 1.0 - a * c;
    if (q <= kCoincident) {
        // The lines coincide: every point of them is a crossing, and the means lie on both.
        results.reportCentreSys = RoundHalfUp(s.mx);
        results.reportCentreDia = RoundHalfUp(s.my);
    } else {
        results.reportCentreSys = RoundHalfUp((c * b + d) / q);
        results.reportCentreDia = RoundHalfUp((a * d + b) / q);
    }
    results.stiffnessIndex = 1.0 - a;
    return true;
}

}  // namespace vitalis
