#include "analysis/clinical/ClinicalTexts.h"

#include <cstdio>

namespace vitalis::clinical {
namespace {

std::string Text(const TextSource& texts, std::string_view key) {
    return texts.Text(kClinicalSection, key);
}

std::string Limits(int sys, int dia) {
    return std::to_string(sys) + "/" + std::to_string(dia);
}

std::string QualitySentence(const RecordingQuality& q, const TextSource& texts) {
    std::string s = Text(texts, "IDS_QUALITY") + ": ";
    if (q.adequate) return s + Text(texts, "IDS_ADEQUATE");
    s += Text(texts, "IDS_INADEQUATE") + " (";
    for (size_t i = 0; i < q.problems.size(); ++i)
        s += (i > 0 ? "; " : "") + ProblemText(q.problems[i], texts);
    return s + ")";
}

std::string DippingSentence(const Dipping& d, const TextSource& texts) {
    std::string s = Text(texts, "IDS_DIPPING") + ": ";
    if (!d.sys.dippingClass) return s + std::string(kNotComputed);
    return s + DippingClassText(*d.sys.dippingClass, texts) + " (" + SystolicWord(texts) + " " +
           FigureText(*d.sys.ratio * 100.0, 1) + " %, " + DiastolicWord(texts) + " " +
           FigureText(*d.dia.ratio * 100.0, 1) + " %)";
}

std::string WordOr(const TextSource& texts, std::string_view key, std::string_view fallback) {
    std::string word = texts.Text(kReportTexts, key);
    return word.empty() ? std::string(fallback) : word;
}

}  // namespace

std::string SystolicWord(const TextSource& texts) {
    return WordOr(texts, "IDS_RPT_SYS", "SYS");
}

std::string DiastolicWord(const TextSource& texts) {
    return WordOr(texts, "IDS_RPT_DIA", "DIA");
}

std::string FigureText(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string FigureText(const std::optional<double>& value, int decimals) {
    return value ? FigureText(*value, decimals) : std::string(kNotComputed);
}

std::string PeriodText(Period period, const TextSource& texts) {
    switch (period) {
        case Period::Awake:
            return Text(texts, "IDS_PERIOD_AWAKE");
        case Period::Asleep:
            return Text(texts, "IDS_PERIOD_ASLEEP");
        case Period::Whole:
            break;
    }
    return Text(texts, "IDS_PERIOD_WHOLE");
}

std::string DippingClassText(DippingClass dippingClass, const TextSource& texts) {
    switch (dippingClass) {
        case DippingClass::Reverse:
            return Text(texts, "IDS_REVERSE");
        case DippingClass::NonDipper:
            return Text(texts, "IDS_NON_DIPPER");
        case DippingClass::Dipper:
            return Text(texts, "IDS_DIPPER");
        case DippingClass::Extreme:
            break;
    }
    return Text(texts, "IDS_EXTREME");
}

std::string ProblemText(QualityProblem problem, const TextSource& texts) {
    switch (problem) {
        case QualityProblem::LowSuccessRate:
            return Text(texts, "IDS_LOW_SUCCESS");
        case QualityProblem::FewAwake:
            return Text(texts, "IDS_FEW_AWAKE");
        case QualityProblem::FewAsleep:
            break;
    }
    return Text(texts, "IDS_FEW_ASLEEP");
}

std::string PhenotypeText(Phenotype phenotype, const TextSource& texts) {
    switch (phenotype) {
        case Phenotype::Sustained:
            return Text(texts, "IDS_SUSTAINED");
        case Phenotype::WhiteCoat:
            return Text(texts, "IDS_WHITE_COAT");
        case Phenotype::Masked:
            return Text(texts, "IDS_MASKED");
        case Phenotype::Normotension:
            break;
    }
    return Text(texts, "IDS_NORMOTENSION");
}

std::string YesNoText(const std::optional<bool>& value, const TextSource& texts) {
    if (!value) return std::string(kNotComputed);
    return Text(texts, *value ? "IDS_YES" : "IDS_NO");
}

std::string PeriodMeansSentence(const GuidelineVerdict& verdict, Period period,
                                const TextSource& texts) {
    std::string s = PeriodText(period, texts) + ": ";
    const std::optional<PeriodMeans>& means = verdict.Means(period);
    if (!means) return s + std::string(kNotComputed);
    s +=
        FigureText(means->sys, 1) + "/" + FigureText(means->dia, 1) + " " + Text(texts, "IDS_MMHG");
    const std::optional<PressureLimit>& limit = verdict.profile->Limit(period);
    if (!limit) return s + " (" + Text(texts, "IDS_NO_THRESHOLD") + ")";
    s += " (" + Text(texts, "IDS_THRESHOLD") + " " + Limits(limit->sys, limit->dia) + "): ";
    return s + Text(texts, *verdict.Elevated(period) ? "IDS_ELEVATED" : "IDS_NOT_ELEVATED");
}

std::vector<std::string> VerdictSentences(const ClinicalBlock& block, const TextSource& texts) {
    const GuidelineVerdict& v = block.guideline;
    std::vector<std::string> out;
    out.push_back(Text(texts, "IDS_GUIDELINE") + ": " + std::string(v.profile->name));
    out.push_back(QualitySentence(block.quality, texts));
    for (Period period : kPeriods) out.push_back(PeriodMeansSentence(v, period, texts));
    out.push_back(Text(texts, "IDS_HYPERTENSION") + ": " + YesNoText(v.hypertension, texts));
    if (v.nocturnalHypertension.value_or(false)) out.push_back(Text(texts, "IDS_NOCTURNAL"));
    out.push_back(DippingSentence(block.dipping, texts));
    if (v.office) {
        out.push_back(
            Text(texts, "IDS_OFFICE") + ": " + Limits(v.office->sys, v.office->dia) + " " +
            Text(texts, "IDS_MMHG") + ", " + Text(texts, "IDS_PHENOTYPE") + ": " +
            (v.phenotype ? PhenotypeText(*v.phenotype, texts) : std::string(kNotComputed)));
    }
    return out;
}

}  // namespace vitalis::clinical
