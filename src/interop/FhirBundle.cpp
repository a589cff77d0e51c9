#include "interop/FhirBundle.h"

#include <algorithm>

#include "analysis/AnalysisOrder.h"
#include "analysis/clinical/ClinicalBlock.h"
#include "case/FileAccess.h"
#include "interop/FhirReadings.h"
#include "interop/FhirReport.h"

namespace vitalis::fhir {
namespace {

class Entries {
  public:
    explicit Entries(UuidSource& uuids) : uuids_(uuids) {}

    // Adds a resource; its fullUrl.
    std::string Add(Json resource) {
        std::string url = "urn:uuid:" + uuids_.Next();
        list_.push_back(Json{{"fullUrl", url}, {"resource", std::move(resource)}});
        return url;
    }
    Json Take() { return std::move(list_); }

  private:
    UuidSource& uuids_;
    Json list_ = Json::array();
};

// The first and last reading with a real clock time, failed ones included: the time the
// monitor was worn.
std::optional<std::pair<ClockTime, ClockTime>> SpanOf(const std::vector<Measurement>& readings) {
    std::optional<std::pair<ClockTime, ClockTime>> span;
    for (const Measurement& m : readings) {
        const ClockTime t = m.Clock();
        if (!IsValidClockTime(t)) continue;
        if (!span) span.emplace(t, t);
        if (MinutesOf(t) < MinutesOf(span->first)) span->first = t;
        if (MinutesOf(t) > MinutesOf(span->second)) span->second = t;
    }
    return span;
}

}  // namespace

Json BuildBundle(const Recording& recording, const ExportOptions& options, UuidSource& uuids,
                 const TextSource& texts) {
    AnalysisResults results;
    RunReportAnalysis(recording, results);
    const clinical::GuidelineProfile& guideline =
        options.guideline ? *options.guideline
                          : clinical::GuidelineOrDefault(clinical::kDefaultGuidelineId);
    const clinical::ClinicalBlock block = clinical::ComputeClinicalBlock(
        recording, results, guideline, options.office ? options.office : recording.office);

    Entries entries(uuids);
    ReportParts report;
    report.subject = entries.Add(PatientResource(recording.patient));
    for (const Measurement& m : recording.allMeasurements()) {
        const ReadingStanding standing = StandingOf(m);
        if (standing != ReadingStanding::Analysed && !options.allReadings) continue;
        report.results.push_back(entries.Add(PanelObservation(m, report.subject, texts)));
        if (standing != ReadingStanding::Failed)
            entries.Add(HeartRateObservation(m, report.subject, texts));
    }
    const clinical::ClinicalReadings readings = clinical::OrderReadings(recording, results);
    for (Period period : kPeriods) {
        if (auto mean =
                PeriodMeanObservation(period, block.guideline, readings, report.subject, texts)) {
            report.results.push_back(entries.Add(std::move(*mean)));
        }
    }
    report.span = SpanOf(recording.allMeasurements());
    report.conclusion = ConclusionText(block, texts);
    entries.Add(DiagnosticReportResource(report));
    return Json{{"resourceType", "Bundle"}, {"type", "collection"}, {"entry", entries.Take()}};
}

std::string BundleText(const Json& bundle) {
    // A text that is not UTF-8 is written with replacement characters rather than lost.
    return bundle.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

bool WriteBundle(const std::string& path, const Json& bundle) {
    return ReplaceFileContent(path, BundleText(bundle)).has_value();
}

}  // namespace vitalis::fhir
