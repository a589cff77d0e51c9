#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "analysis/PeriodSummary.h"
#include "case/AnalysisResults.h"
#include "case/Diary.h"
#include "case/Measurement.h"
#include "case/ThresholdSettings.h"
#include "shell/ReportClinicalRecord.h"
#include "shell/ReportGraphRecord.h"
#include "shell/ReportLayout.h"

namespace vitalis {

// What the workstation hands to the report program for one report: a header and one record
// per page kind the layout prints. Per-period arrays are indexed by PeriodSlot (whole,
// awake, asleep).

// "Report.txt".
struct ReportHeader {
    std::array<int, kReportPageCount> pages{};  // 1: the report prints that page
    int spo2Setting = -1;  // the SpO2 page's setting; -1 when that page is not printed
    int multiDay = 0;      // 1: the readings span more than 72 hours
    std::string patientName;
    std::string patientId;
    std::string title;
    std::array<int, 3> beginDate{};  // year, month, day of the test begin
    std::array<int, 3> endDate{};    // of the last reading; zeros without readings
    std::array<int, 3> birthday{};   // zeros when the case holds no birth date
    std::array<int, 4> beginTime{};  // hour, 0, 0, minute of the test begin
    bool operator==(const ReportHeader&) const = default;
};

// "1.rp": the patient and the test.
struct DemographicsRecord {
    std::string patientName, patientId, address, race, phone;
    int gender = 0, height = 0, weight = 0, age = 0;
    std::string medications, clinicalInterpretation, referringPhysician, interpretingPhysician,
        comments, outpatientNo, admissionNo, bedNo, departmentNo, email;
    int measurementCount = 0;             // recorded readings
    int validCount = 0;                   // readings in the analysis
    int awakeStart = 0, asleepStart = 0;  // minutes of the day
    int awakeInterval = 0, asleepInterval = 0;
    bool operator==(const DemographicsRecord&) const = default;
};

// One parameter's figures over one period.
struct ParameterFigures {
    int max = 0;
    int min = 0;
    double mean = 0.0;
    bool operator==(const ParameterFigures&) const = default;
};

struct PeriodFigures {
    int count = 0;
    int sysAbove = 0;
    int diaAbove = 0;
    std::array<ParameterFigures, 5> values{};  // SYS, DIA, PR, MAP, PP
    std::array<Spread, 4> spread{};            // SYS, DIA, PR, MAP
    bool operator==(const PeriodFigures&) const;
};

// "2.rp": the statistics page.
struct StatisticsRecord {
    std::array<PeriodFigures, 3> periods{};
    std::array<double, 6> loads{};  // awake SYS, DIA, asleep SYS, DIA, whole SYS, DIA; fractions
    double sysNocturnalFall = 0.0, diaNocturnalFall = 0.0;
    double sysHourlyRatio = 0.0, diaHourlyRatio = 0.0;
    ThresholdSettings thresholds;
    bool operator==(const StatisticsRecord&) const;
};

// "3.rp" (summary tables) and "7.rp" (pies): each period's summary under its ranges.
struct SummaryRecord {
    std::array<PeriodSummary, 3> summaries{};
    std::array<RangeBounds, 3> ranges{};
    bool operator==(const SummaryRecord&) const;
};

// "45.rp" and "11.rp": the readings and what the trend graph draws them against.
struct MeasurementListRecord {
    std::vector<Measurement> readings;
    int awakeStart = 0, asleepStart = 0;  // minutes of the day
    int awakeSys = 0, awakeDia = 0, asleepSys = 0, asleepDia = 0;
    bool operator==(const MeasurementListRecord&) const;
};

// "6.rp": the SYS, DIA and PR bin fractions of each period.
struct HistogramRecord {
    std::array<HistogramSet, 3> periods{};
    bool operator==(const HistogramRecord&) const;
};

// "8.rp": the correlation chart and the report's regression figures.
struct CorrelationRecord {
    CorrelationData chart;
    double r = 0.0;
    double diaOnSysSlope = 0.0, diaOnSysIntercept = 0.0;
    double sysOnDiaSlope = 0.0, sysOnDiaIntercept = 0.0;
    int centreSys = 0, centreDia = 0;
    double stiffnessIndex = 0.0;
    bool operator==(const CorrelationRecord&) const;
};

// A histogram of equal bins after `first`, by the analysis's bin rule (EqualBinEdges): the
// first takes everything up to first + width, bin i what lies above first + i*width up to the
// next edge, the last everything above.
struct BinnedValues {
    int first = 0;
    int width = 1;
    std::vector<double> values;
    bool operator==(const BinnedValues&) const = default;
};

// "9.rp": how many readings fell in each hour of the day (awake, asleep).
struct FrequencyRecord {
    BinnedValues awake;
    BinnedValues asleep;
    bool operator==(const FrequencyRecord&) const = default;
};

// "10.rp": fractions of the whole recording's readings per bin of PR, MAP and PP.
struct SecondaryHistogramRecord {
    BinnedValues pr;
    BinnedValues map;
    BinnedValues pp;
    bool operator==(const SecondaryHistogramRecord&) const = default;
};

// Everything one report run hands over; a record is present when its file is written.
struct ReportData {
    ReportHeader header;
    std::optional<DemographicsRecord> demographics;
    std::optional<StatisticsRecord> statistics;
    std::optional<SummaryRecord> summary;
    std::optional<MeasurementListRecord> graphReadings;  // 45.rp
    std::optional<HistogramRecord> histograms;
    std::optional<SummaryRecord> pies;
    std::optional<CorrelationRecord> correlation;
    std::optional<FrequencyRecord> frequency;
    std::optional<SecondaryHistogramRecord> secondary;
    std::optional<MeasurementListRecord> dataReadings;  // 11.rp
    std::optional<ClinicalRecord> clinical;             // Clinical.rp
    std::optional<GraphRecord> graph;                   // Graph.rp, with a trend page
    std::optional<Diary> diary;                         // diary.rp, when the case has one
    // The guideline ("esh2023", "acc-aha2017", "nice2019") pages that judge the figures use;
    // empty for the default. Chosen for one run, so no hand-off file carries it.
    std::string guideline;
    // The monitor the case was recorded with (ReportMonitorOfCase); read from the case file,
    // so no hand-off file carries it either.
    std::string monitor;
    bool operator==(const ReportData&) const = default;
};

}  // namespace vitalis
