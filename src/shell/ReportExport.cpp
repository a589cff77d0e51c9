#include "shell/ReportExport.h"

#include <algorithm>

#include "analysis/AnalysisOrder.h"
#include "analysis/Correlation.h"
#include "analysis/Histograms.h"
#include "analysis/clinical/ClinicalBlock.h"
#include "case/Parameter.h"
#include "case/ProfileStore.h"
#include "shell/ReportFiles.h"
#include "shell/ReportHandOffFolder.h"
#include "shell/ReportMonitor.h"

namespace vitalis {

namespace {

constexpr Parameter kFigureParameters[5] = {Parameter::Sys, Parameter::Dia, Parameter::Pr,
                                            Parameter::Map, Parameter::Pp};

ReportHeader BuildHeader(const Recording& r, const ReportLayout& layout) {
    ReportHeader h;
    h.pages = layout.pages;
    // A Heron recording carries no oxygen saturation, so its page is never printed.
    h.pages[kReportPageCount - 1] = 0;
    h.spo2Setting = -1;
    h.multiDay = r.multiDay ? 1 : 0;
    h.patientName = r.patient.name;
    h.patientId = r.patient.id;
    h.title = layout.title;
    const ClockTime& b = r.testBegin;
    h.beginDate = {b.year, b.month, b.day};
    if (!r.allMeasurements().empty()) {
        const Measurement& last = r.allMeasurements().back();
        h.endDate = {last.year, last.month, last.day};
    }
    if (const auto& born = r.patient.birthDate) h.birthday = {born->year, born->month, born->day};
    h.beginTime = {b.hour, 0, 0, b.minute};
    return h;
}

DemographicsRecord BuildDemographics(const Recording& r, const AnalysisResults& results) {
    DemographicsRecord d;
    d.patientName = r.patient.name, d.patientId = r.patient.id, d.address = r.address;
    d.race = r.race, d.phone = r.phone;
    d.gender = SexCode(r.patient.sex), d.height = r.height, d.weight = r.weight, d.age = r.age;
    d.medications = r.medications, d.clinicalInterpretation = r.clinicalInterpretation;
    d.referringPhysician = r.referringPhysician;
    d.interpretingPhysician = r.interpretingPhysician;
    d.comments = r.comments, d.outpatientNo = r.outpatientNo, d.admissionNo = r.admissionNo;
    d.bedNo = r.bedNo, d.departmentNo = r.departmentNo, d.email = r.email;
    d.measurementCount = static_cast<int>(r.allMeasurements().size());
    d.validCount = results.validCount;
    d.awakeStart = r.awakeStart, d.asleepStart = r.asleepStart;
    // The hand-off file's interval of a period without readings is 0.
    d.awakeInterval = r.schedule.awake.interval.value_or(0);
    d.asleepInterval = r.schedule.asleep.interval.value_or(0);
    return d;
}

int ValueAt(const std::vector<Measurement>& list, int index, Parameter parameter) {
    if (index < 0 || static_cast<size_t>(index) >= list.size()) return 0;
    return ValueOf(list[static_cast<size_t>(index)], parameter);
}

PeriodFigures BuildPeriodFigures(const AnalysisResults& results, Period period) {
    const PeriodStats& s = results.Stats(period);
    const std::vector<Measurement>& list = results.List(period);
    PeriodFigures p;
    p.count = s.count, p.sysAbove = s.sysAboveCount, p.diaAbove = s.diaAboveCount;
    for (int i = 0; i < 5; ++i) {
        const ParameterStats& stats = s.Of(kFigureParameters[i]);
        p.values[i] = {ValueAt(list, stats.maxIndex, kFigureParameters[i]),
                       ValueAt(list, stats.minIndex, kFigureParameters[i]), stats.mean};
    }
    const PeriodSpread& spread = results.SpreadOf(period);
    p.spread = {spread.sys, spread.dia, spread.pr, spread.map};
    return p;
}

StatisticsRecord BuildStatistics(const Recording& r, const AnalysisResults& results) {
    StatisticsRecord s;
    for (const Period period : kPeriods)
        s.periods[PeriodSlot(period)] = BuildPeriodFigures(results, period);
    s.loads = {results.awakeSysLoad,  results.awakeDiaLoad, results.asleepSysLoad,
               results.asleepDiaLoad, results.totalSysLoad, results.totalDiaLoad};
    s.sysNocturnalFall = results.sysNocturnalFall, s.diaNocturnalFall = results.diaNocturnalFall;
    s.sysHourlyRatio = results.sysHourlyRatio, s.diaHourlyRatio = results.diaHourlyRatio;
    s.thresholds = r.thresholds();
    return s;
}

SummaryRecord BuildSummaries(const Recording& r, const AnalysisResults& results) {
    SummaryRecord s;
    for (const Period period : kPeriods) {
        const int slot = PeriodSlot(period);
        s.ranges[slot] = InitialRanges(period, r.thresholds());
        s.summaries[slot] = BuildPeriodSummary(results, period, s.ranges[slot]);
    }
    return s;
}

MeasurementListRecord BuildList(const Recording& r) {
    MeasurementListRecord l;
    l.readings = r.allMeasurements();
    l.awakeStart = r.awakeStart, l.asleepStart = r.asleepStart;
    const ThresholdSettings& t = r.thresholds();
    l.awakeSys = t.awakeSys, l.awakeDia = t.awakeDia;
    l.asleepSys = t.asleepSys, l.asleepDia = t.asleepDia;
    return l;
}

HistogramRecord BuildHistograms(const AnalysisResults& results) {
    HistogramRecord h;
    for (const Period period : kPeriods)
        h.periods[PeriodSlot(period)] = HistogramsOf(results.List(period));
    return h;
}

CorrelationRecord BuildCorrelation(const AnalysisResults& a) {
    CorrelationRecord c;
    c.chart = a.correlation;
    c.r = a.reportR;
    c.diaOnSysSlope = a.reportDiaOnSysSlope, c.diaOnSysIntercept = a.reportDiaOnSysIntercept;
    c.sysOnDiaSlope = a.reportSysOnDiaSlope, c.sysOnDiaIntercept = a.reportSysOnDiaIntercept;
    c.centreSys = a.reportCentreSys, c.centreDia = a.reportCentreDia;
    c.stiffnessIndex = a.stiffnessIndex;
    return c;
}

BinnedValues HourCounts(const std::vector<Measurement>& list) {
    BinnedValues b{0, 1, std::vector<double>(24, 0.0)};
    for (const Measurement& m : list)
        if (m.hour >= 0 && m.hour < 24) b.values[static_cast<size_t>(m.hour)] += 1.0;
    return b;
}

// Shares of the readings in `bins` bins of ten after `first`, by the histograms' bin rule.
BinnedValues Shares(const std::vector<Measurement>& list, Parameter parameter, int first,
                    int bins) {
    BinnedValues b{first, 10, std::vector<double>(static_cast<size_t>(bins), 0.0)};
    if (list.empty()) return b;
    const std::vector<int> edges = EqualBinEdges(first, 10, bins);
    for (const Measurement& m : list) {
        const int bin = BinOf(edges, ValueOf(m, parameter));
        if (bin >= 0) b.values[static_cast<size_t>(bin)] += 1.0 / static_cast<double>(list.size());
    }
    return b;
}

}  // namespace

ReportData BuildReportData(const Recording& recording, const AnalysisResults& results,
                           const ReportLayout& layout, std::string_view guideline,
                           std::optional<TimeWindow> screenWindow) {
    ReportData d;
    d.guideline = std::string(guideline);
    d.header = BuildHeader(recording, layout);
    const auto on = [&](int page) { return layout.pages[static_cast<size_t>(page - 1)] != 0; };
    if (on(1)) d.demographics = BuildDemographics(recording, results);
    if (on(2)) d.statistics = BuildStatistics(recording, results);
    if (on(3)) d.summary = BuildSummaries(recording, results);
    if (on(4) || on(5)) {
        d.graphReadings = BuildList(recording);
        // The screen's zoom reaches the report only when the layout asks for it.
        if (!layout.graph.sameDisplay) screenWindow.reset();
        d.graph = GraphRecord{layout.graph, screenWindow};
    }
    if (on(6)) d.histograms = BuildHistograms(results);
    if (on(7)) d.pies = BuildSummaries(recording, results);
    if (on(8)) d.correlation = BuildCorrelation(results);
    if (on(9))
        d.frequency = FrequencyRecord{HourCounts(results.awakeMeasurements),
                                      HourCounts(results.asleepMeasurements)};
    if (on(10)) {
        const auto& valid = results.validMeasurements;
        d.secondary = SecondaryHistogramRecord{Shares(valid, Parameter::Pr, 40, 15),
                                               Shares(valid, Parameter::Map, 50, 10),
                                               Shares(valid, Parameter::Pp, 20, 10)};
    }
    if (on(11)) d.dataReadings = BuildList(recording);
    const auto& clinicalPages = layout.clinicalPages;
    if (std::any_of(clinicalPages.begin(), clinicalPages.end(), [](int p) { return p != 0; })) {
        // Its own division, as the screen's summary and the command line's analysis make it,
        // so the printed figures are theirs.
        d.clinical = ClinicalRecord{
            clinicalPages,
            clinical::ComputeClinicalBlock(recording, clinical::GuidelineOrDefault(guideline),
                                           recording.office)};
    }
    if (!recording.diary.nights.empty() || !recording.diary.events.empty())
        d.diary = recording.diary;
    return d;
}

ReportData PrepareReportData(const Recording& recording, const ReportLayout& layout,
                             std::string_view guideline, std::optional<TimeWindow> screenWindow) {
    AnalysisResults results;
    RunReportAnalysis(recording, results);
    // The report analysis leaves the chart's points and lines to the view; the printed
    // correlation page draws them too.
    BuildCorrelationData(recording, results);
    ReportData data = BuildReportData(recording, results, layout, guideline, screenWindow);
    data.monitor = ReportMonitorOfCase(recording.casePath);
    return data;
}

ReportExportResult ExportReport(const Recording& recording, const AppConfig& config,
                                std::optional<TimeWindow> screenWindow) {
    ReportExportResult result;
    const ReportData data =
        PrepareReportData(recording, config.reports.current, config.guideline, screenWindow);
    result.folder = ReportHandOffFolder(config.applicationDirectory());
    ReportWriteResult written = WriteReportFiles(result.folder, data);
    result.written = std::move(written.written);
    if (!written.ok) {
        result.message = written.error;
        return result;
    }
    ProfileStore start(config.StartFilePath());
    start.WriteString("START", "CasePath", recording.casePath);
    result.ok = true;
    return result;
}

}  // namespace vitalis
