#pragma once

#include <string_view>

namespace vitalis::fhir {

// Code systems and codes the exported resources use, spelled as the receiving systems
// expect them.
inline constexpr std::string_view kLoinc = "http://loinc.org";
inline constexpr std::string_view kUcum = "http://unitsofmeasure.org";
inline constexpr std::string_view kObservationCategory =
    "http://terminology.hl7.org/CodeSystem/observation-category";
inline constexpr std::string_view kDataAbsentReason =
    "http://terminology.hl7.org/CodeSystem/data-absent-reason";

inline constexpr std::string_view kBloodPressurePanel = "85354-9";
inline constexpr std::string_view kSystolic = "8480-6";
inline constexpr std::string_view kDiastolic = "8462-4";
inline constexpr std::string_view kMeanArterial = "8478-0";
inline constexpr std::string_view kHeartRate = "8867-4";
// A mean over many readings: the panel and its two components as means.
inline constexpr std::string_view kMeanPanel = "96607-7";
inline constexpr std::string_view kSystolicMean = "96608-5";
inline constexpr std::string_view kDiastolicMean = "96609-3";

inline constexpr std::string_view kPressureUnit = "mm[Hg]";
inline constexpr std::string_view kRateUnit = "/min";

inline constexpr std::string_view kBloodPressureProfile =
    "http://hl7.org/fhir/StructureDefinition/bp";
inline constexpr std::string_view kHeartRateProfile =
    "http://hl7.org/fhir/StructureDefinition/heartrate";

inline constexpr std::string_view kReportText = "Ambulatory blood pressure monitoring";

}  // namespace vitalis::fhir
