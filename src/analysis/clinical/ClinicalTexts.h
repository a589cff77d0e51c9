#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/clinical/ClinicalBlock.h"
#include "case/TextSource.h"

namespace vitalis::clinical {

// The language-file section every clinical text lives in.
inline constexpr std::string_view kClinicalSection = kClinicalTexts;

// Shown for a figure that could not be computed.
inline constexpr std::string_view kNotComputed = "\u2014";

// A figure with the given decimals, or the not-computed mark.
std::string FigureText(const std::optional<double>& value, int decimals);
std::string FigureText(double value, int decimals);

// The label of a period, a dipping class, a quality problem, a phenotype, a yes / no.
std::string PeriodText(Period period, const TextSource& texts);
// The short names of the systolic and diastolic pressure in the language ("SYS", "PAS").
std::string SystolicWord(const TextSource& texts);
std::string DiastolicWord(const TextSource& texts);
std::string DippingClassText(DippingClass dippingClass, const TextSource& texts);
std::string ProblemText(QualityProblem problem, const TextSource& texts);
std::string PhenotypeText(Phenotype phenotype, const TextSource& texts);
std::string YesNoText(const std::optional<bool>& value, const TextSource& texts);

// One period's means against the profile's threshold, e.g. "Awake: 136.2/84.0 mmHg
// (threshold 135/85): elevated".
std::string PeriodMeansSentence(const GuidelineVerdict& verdict, Period period,
                                const TextSource& texts);

// The verdict as short sentences, most important first: guideline, quality, the three period
// means against their thresholds, hypertension, dipping, phenotype when an office reading is
// known.
std::vector<std::string> VerdictSentences(const ClinicalBlock& block, const TextSource& texts);

}  // namespace vitalis::clinical
