#include "interop/FhirReadings.h"

#include "case/ResultCodes.h"
#include "interop/FhirCodes.h"
#include "interop/FhirDateTime.h"

namespace vitalis::fhir {
namespace {

Json Quantity(Json value, std::string_view unit, std::string_view code) {
    return Json{{"value", std::move(value)}, {"unit", unit}, {"system", kUcum}, {"code", code}};
}

Json ErrorReason() {
    return Json{
        {"coding", Json::array({Json{
                       {"system", kDataAbsentReason}, {"code", "error"}, {"display", "Error"}}})}};
}

// What every reading's Observation has: status, category, code, subject, profile, time.
Json ReadingBase(const Measurement& m, std::string_view profile, Json code,
                 const std::string& subject) {
    Json out{{"resourceType", "Observation"},
             {"meta", Json{{"profile", Json::array({profile})}}},
             {"status", "final"},
             {"category", Json::array({VitalSignsCategory()})},
             {"code", std::move(code)},
             {"subject", Json{{"reference", subject}}}};
    if (const auto when = LocalDateTime(m.Clock())) out["effectiveDateTime"] = *when;
    return out;
}

Json Note(const std::string& text) {
    return Json::array({Json{{"text", text}}});
}

// Why a failed reading has no values, in words: the stored failure text, else the result
// code's text, else that the values were not plausible.
std::string FailureNote(const Measurement& m, const TextSource& texts) {
    if (!m.remark.empty()) return m.remark;
    std::string text = FailureText(m.status, texts);
    if (text.empty()) text = texts.Text(kFhirTextSection, kImplausibleKey);
    return text;
}

// A clinician's exclusion: the remark as note, and an interpretation that says so.
void MarkExcluded(const Measurement& m, const TextSource& texts, Json& out) {
    std::string excluded = texts.Text(kFhirTextSection, kExcludedKey);
    if (excluded.empty()) excluded = "excluded";
    out["interpretation"] = Json::array({Json{{"text", excluded}}});
    if (!m.remark.empty()) out["note"] = Note(m.remark);
}

Json Component(std::string_view code, std::string_view display, const Json& value) {
    return Json{{"code", LoincConcept(code, display)}, {"valueQuantity", value}};
}

Json AbsentComponent(std::string_view code, std::string_view display) {
    return Json{{"code", LoincConcept(code, display)}, {"dataAbsentReason", ErrorReason()}};
}

}  // namespace

ReadingStanding StandingOf(const Measurement& m) {
    if (!IsPlausible(m)) return ReadingStanding::Failed;
    return m.valid == 1 ? ReadingStanding::Analysed : ReadingStanding::Excluded;
}

Json PressureQuantity(Json value) {
    return Quantity(std::move(value), "mmHg", kPressureUnit);
}
Json RateQuantity(Json value) {
    return Quantity(std::move(value), "beats/minute", kRateUnit);
}

Json LoincConcept(std::string_view code, std::string_view display) {
    return Json{
        {"coding", Json::array({Json{{"system", kLoinc}, {"code", code}, {"display", display}}})}};
}

Json VitalSignsCategory() {
    return Json{{"coding", Json::array({Json{{"system", kObservationCategory},
                                             {"code", "vital-signs"},
                                             {"display", "Vital Signs"}}})}};
}

Json PanelObservation(const Measurement& m, const std::string& subject, const TextSource& texts) {
    Json code =
        LoincConcept(kBloodPressurePanel, "Blood pressure panel with all children optional");
    code["text"] = "Blood pressure";
    Json out = ReadingBase(m, kBloodPressureProfile, std::move(code), subject);
    const ReadingStanding standing = StandingOf(m);
    if (standing == ReadingStanding::Failed) {
        out["status"] = "cancelled";
        out["dataAbsentReason"] = ErrorReason();
        out["component"] = Json::array({AbsentComponent(kSystolic, "Systolic blood pressure"),
                                        AbsentComponent(kDiastolic, "Diastolic blood pressure")});
        if (const std::string note = FailureNote(m, texts); !note.empty()) out["note"] = Note(note);
        return out;
    }
    out["component"] =
        Json::array({Component(kSystolic, "Systolic blood pressure", PressureQuantity(m.sys)),
                     Component(kDiastolic, "Diastolic blood pressure", PressureQuantity(m.dia)),
                     Component(kMeanArterial, "Mean blood pressure", PressureQuantity(m.map))});
    if (standing == ReadingStanding::Excluded) MarkExcluded(m, texts, out);
    return out;
}

Json HeartRateObservation(const Measurement& m, const std::string& subject,
                          const TextSource& texts) {
    Json out = ReadingBase(m, kHeartRateProfile, LoincConcept(kHeartRate, "Heart rate"), subject);
    out["code"]["text"] = "Heart rate";
    out["valueQuantity"] = RateQuantity(m.pr);
    if (StandingOf(m) == ReadingStanding::Excluded) MarkExcluded(m, texts, out);
    return out;
}

}  // namespace vitalis::fhir
