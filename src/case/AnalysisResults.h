#pragma once

#include <array>
#include <vector>

#include "case/Measurement.h"
#include "case/Parameter.h"
#include "case/Period.h"

namespace vitalis {

// Extremes and mean of one parameter over one period's list.
struct ParameterStats {
    int maxIndex = 0;  // position in the period's list; ties go to the last position
    int minIndex = 0;
    float mean = 0.0f;  // kept in single precision, as the charts and the report expect
};

// One period's counts and per-parameter figures. A period without readings keeps all zeros.
struct PeriodStats {
    int count = 0;
    int sysAboveCount = 0;  // readings above the period's systolic threshold
    int diaAboveCount = 0;
    ParameterStats sys, dia, pr, map, pp;

    ParameterStats& Of(Parameter parameter);
    const ParameterStats& Of(Parameter parameter) const;
};

// Spread of one parameter: population SD, standard error and coefficient of variation.
struct Spread {
    double sd = 0.0;
    double se = 0.0;
    double cv = 0.0;  // a fraction
};

// Spread of the four parameters it is kept for (not PP).
struct PeriodSpread {
    Spread sys, dia, pr, map;
};

// Fractions of the period's readings per fixed bin.
struct HistogramSet {
    std::array<double, 14> sys{};
    std::array<double, 15> dia{};
    std::array<double, 15> pr{};
};

struct CorrelationPoint {
    int sys = 0;
    int dia = 0;
    bool operator==(const CorrelationPoint&) const = default;
};

// What the correlation chart draws: both regression lines, the cloud centre, r, and the
// points split by the period of their clock time.
struct CorrelationData {
    double diaOnSysSlope = 0.0;  // DIA = a * SYS + b
    double diaOnSysIntercept = 0.0;
    double sysOnDiaSlope = 0.0;  // SYS = c * DIA + d
    double sysOnDiaIntercept = 0.0;
    int centreSys = 0;  // the means, truncated
    int centreDia = 0;
    double r = 0.0;
    std::vector<CorrelationPoint> awakePoints;
    std::vector<CorrelationPoint> asleepPoints;
};

// Everything the analysis of one recording produces. Rebuilt, never updated in place: the
// division clears it whole before the other steps fill their parts.
struct AnalysisResults {
    std::vector<Measurement> validMeasurements;
    std::vector<Measurement> awakeMeasurements;
    std::vector<Measurement> asleepMeasurements;
    int validCount = 0;
    int awakeCount = 0;
    int asleepCount = 0;

    std::array<PeriodStats, 3> stats{};    // by PeriodSlot
    std::array<PeriodSpread, 3> spread{};  // by PeriodSlot

    double awakeSysLoad = 0.0;
    double awakeDiaLoad = 0.0;
    double asleepSysLoad = 0.0;
    double asleepDiaLoad = 0.0;
    double totalSysLoad = 0.0;
    double totalDiaLoad = 0.0;

    double sysNocturnalFall = 0.0;
    double diaNocturnalFall = 0.0;

    double sysHourlyRatio = 0.0;
    double diaHourlyRatio = 0.0;

    HistogramSet histograms;  // of the period last asked for

    CorrelationData correlation;

    // The report's own correlation figures.
    double reportR = 0.0;
    double reportDiaOnSysSlope = 0.0;
    double reportDiaOnSysIntercept = 0.0;
    double reportSysOnDiaSlope = 0.0;
    double reportSysOnDiaIntercept = 0.0;
    int reportCentreSys = 0;
    int reportCentreDia = 0;
    double stiffnessIndex = 0.0;  // 1 - reportDiaOnSysSlope

    const std::vector<Measurement>& List(Period period) const;
    PeriodStats& Stats(Period period) { return stats[PeriodSlot(period)]; }
    const PeriodStats& Stats(Period period) const { return stats[PeriodSlot(period)]; }
    PeriodSpread& SpreadOf(Period period) { return spread[PeriodSlot(period)]; }
    const PeriodSpread& SpreadOf(Period period) const { return spread[PeriodSlot(period)]; }
};

}  // namespace vitalis
