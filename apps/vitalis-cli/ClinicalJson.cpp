#include "ClinicalJson.h"

namespace vitalis::cli {
namespace {

using namespace clinical;

template <typename T>
Json OrNull(const std::optional<T>& value) {
    return value ? Json(*value) : Json(nullptr);
}

const char* ProblemKey(QualityProblem problem) {
    switch (problem) {
        case QualityProblem::LowSuccessRate:
            return "lowSuccessRate";
        case QualityProblem::FewAwake:
            return "fewAwake";
        case QualityProblem::FewAsleep:
            break;
    }
    return "fewAsleep";
}

const char* DippingKey(DippingClass c) {
    switch (c) {
        case DippingClass::Reverse:
            return "reverse";
        case DippingClass::NonDipper:
            return "non-dipper";
        case DippingClass::Dipper:
            return "dipper";
        case DippingClass::Extreme:
            break;
    }
    return "extreme";
}

const char* PhenotypeKey(Phenotype p) {
    switch (p) {
        case Phenotype::Sustained:
            return "sustained";
        case Phenotype::WhiteCoat:
            return "white-coat";
        case Phenotype::Masked:
            return "masked";
        case Phenotype::Normotension:
            break;
    }
    return "normotension";
}

Json QualityJson(const RecordingQuality& q) {
    Json problems = Json::array();
    for (QualityProblem p : q.problems) problems.push_back(ProblemKey(p));
    return Json{
        {"readings", q.readings}, {"analysed", q.analysed}, {"successRate", OrNull(q.successRate)},
        {"awake", q.awake},       {"asleep", q.asleep},     {"adequate", q.adequate},
        {"problems", problems}};
}

Json FiguresJson(const VariabilityFigures& f) {
    return Json{{"sd", OrNull(f.sd)},
                {"cv", OrNull(f.cv)},
                {"arv", OrNull(f.arv)},
                {"arvTime", OrNull(f.arvTime)},
                {"sv", OrNull(f.sv)}};
}

Json VariabilityJson(const Variability& v) {
    Json out = Json::object();
    for (Period period : kPeriods) {
        const PeriodVariability& p = v.Of(period);
        out[PeriodKey(period)] = Json{{"sys", FiguresJson(p.sys)}, {"dia", FiguresJson(p.dia)}};
    }
    out["wsd"] = Json{{"sys", OrNull(v.wsdSys)}, {"dia", OrNull(v.wsdDia)}};
    return out;
}

Json DippingFiguresJson(const DippingFigures& d) {
    return Json{{"ratio", OrNull(d.ratio)},
                {"nightDayRatio", OrNull(d.nightDayRatio)},
                {"class", d.dippingClass ? Json(DippingKey(*d.dippingClass)) : Json(nullptr)}};
}

Json MorningJson(const MorningSurge& m) {
    return Json{{"date", Json::array({m.date.year, m.date.month, m.date.day})},
                {"postWake", m.postWake},
                {"preWake", OrNull(m.preWake)},
                {"trough", OrNull(m.trough)},
                {"sleepTrough", OrNull(m.sleepTrough)},
                {"prewaking", OrNull(m.prewaking)}};
}

Json HourlyJson(const std::array<HourlyMean, 24>& hours) {
    Json out = Json::array();
    for (const HourlyMean& h : hours) {
        out.push_back(Json{{"hour", h.hour},
                           {"count", h.count},
                           {"sys", OrNull(h.sys)},
                           {"dia", OrNull(h.dia)},
                           {"pr", OrNull(h.pr)}});
    }
    return out;
}

Json LimitJson(const PressureLimit& limit) {
    return Json::array({limit.sys, limit.dia});
}

Json GuidelineJson(const GuidelineVerdict& v) {
    Json thresholds = Json::object();
    Json elevated = Json::object();
    for (Period period : kPeriods) {
        const std::optional<PressureLimit>& limit = v.profile->Limit(period);
        thresholds[PeriodKey(period)] = limit ? LimitJson(*limit) : Json(nullptr);
        elevated[PeriodKey(period)] = OrNull(v.Elevated(period));
    }
    thresholds["office"] = LimitJson(v.profile->office);
    const Json office =
        v.office ? Json{{"sys", v.office->sys}, {"dia", v.office->dia}} : Json(nullptr);
    return Json{{"id", v.profile->id},
                {"name", v.profile->name},
                {"thresholds", thresholds},
                {"elevated", elevated},
                {"hypertension", OrNull(v.hypertension)},
                {"nocturnalHypertension", OrNull(v.nocturnalHypertension)},
                {"office", office},
                {"officeElevated", OrNull(v.officeElevated)},
                {"phenotype", v.phenotype ? Json(PhenotypeKey(*v.phenotype)) : Json(nullptr)}};
}

}  // namespace

Json ClinicalJson(const ClinicalBlock& block) {
    Json mornings = Json::array();
    for (const MorningSurge& m : block.morningSurge) mornings.push_back(MorningJson(m));
    return Json{{"quality", QualityJson(block.quality)},
                {"variability", VariabilityJson(block.variability)},
                {"dipping", Json{{"sys", DippingFiguresJson(block.dipping.sys)},
                                 {"dia", DippingFiguresJson(block.dipping.dia)}}},
                {"morningSurge", mornings},
                {"aasi", OrNull(block.aasi)},
                {"hourly", HourlyJson(block.hourly)},
                {"guideline", GuidelineJson(block.guideline)}};
}

}  // namespace vitalis::cli
