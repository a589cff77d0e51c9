#include "interop/FhirReport.h"

#include <cmath>

#include "analysis/clinical/ClinicalTexts.h"
#include "interop/FhirCodes.h"
#include "interop/FhirDateTime.h"
#include "interop/FhirReadings.h"

namespace vitalis::fhir {
namespace {

// Means are given to a tenth of a mmHg, as the summary shows them.
double Tenths(double value) {
    return std::round(value * 10.0) / 10.0;
}

Json MeanCode(Period period, const TextSource& texts) {
    Json code{
        {"coding",
         Json::array({Json{{"system", kLoinc},
                           {"code", kMeanPanel},
                           {"display", "Blood pressure panel mean systolic and mean diastolic"}},
                      Json{{"system", kLoinc},
                           {"code", kBloodPressurePanel},
                           {"display", "Blood pressure panel with all children optional"}}})}};
    const std::string name = texts.Text(kFhirTextSection, kMeanKey);
    const std::string periodName = clinical::PeriodText(period, texts);
    if (!name.empty() && !periodName.empty()) code["text"] = name + ", " + periodName;
    return code;
}

Json MeanComponent(std::string_view meanCode, std::string_view meanDisplay, std::string_view code,
                   std::string_view display, double value) {
    Json meaning{
        {"coding",
         Json::array({Json{{"system", kLoinc}, {"code", meanCode}, {"display", meanDisplay}},
                      Json{{"system", kLoinc}, {"code", code}, {"display", display}}})}};
    return Json{{"code", std::move(meaning)}, {"valueQuantity", PressureQuantity(Tenths(value))}};
}

ClockTime ClockOf(int64_t minutes) {
    return ClockTimeFromMinutes(minutes);
}

}  // namespace

Json PeriodJson(const ClockTime& start, const ClockTime& end) {
    Json out = Json::object();
    if (const auto text = LocalDateTime(start)) out["start"] = *text;
    if (const auto text = LocalDateTime(end)) out["end"] = *text;
    return out;
}

std::optional<Json> PeriodMeanObservation(Period period, const clinical::GuidelineVerdict& verdict,
                                          const clinical::ClinicalReadings& readings,
                                          const std::string& subject, const TextSource& texts) {
    const std::optional<clinical::PeriodMeans>& means = verdict.Means(period);
    const std::vector<clinical::TimedReading>& list = readings.Of(period);
    if (!means || list.empty()) return std::nullopt;
    return Json{{"resourceType", "Observation"},
                {"status", "final"},
                {"category", Json::array({VitalSignsCategory()})},
                {"code", MeanCode(period, texts)},
                {"subject", Json{{"reference", subject}}},
                {"effectivePeriod",
                 PeriodJson(ClockOf(list.front().minutes), ClockOf(list.back().minutes))},
                {"component",
                 Json::array({MeanComponent(kSystolicMean, "Systolic blood pressure mean",
                                            kSystolic, "Systolic blood pressure", means->sys),
                              MeanComponent(kDiastolicMean, "Diastolic blood pressure mean",
                                            kDiastolic, "Diastolic blood pressure", means->dia)})}};
}

std::string ConclusionText(const clinical::ClinicalBlock& block, const TextSource& texts) {
    std::string text;
    for (const std::string& sentence : clinical::VerdictSentences(block, texts))
        text += (text.empty() ? "" : "\n") + sentence;
    return text;
}

Json DiagnosticReportResource(const ReportParts& parts) {
    Json report{{"resourceType", "DiagnosticReport"},
                {"status", "final"},
                {"code", Json{{"text", kReportText}}},
                {"subject", Json{{"reference", parts.subject}}}};
    if (parts.span) report["effectivePeriod"] = PeriodJson(parts.span->first, parts.span->second);
    if (!parts.results.empty()) {
        Json results = Json::array();
        for (const std::string& url : parts.results) results.push_back(Json{{"reference", url}});
        report["result"] = std::move(results);
    }
    if (!parts.conclusion.empty()) report["conclusion"] = parts.conclusion;
    return report;
}

}  // namespace vitalis::fhir
