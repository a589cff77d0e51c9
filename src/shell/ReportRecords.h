#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "shell/ReportData.h"

namespace vitalis {

// The bytes of each hand-off file and back. Every Decode reads bytes from outside: it gives
// nothing (and says why in `error`) when the bytes are cut short, announce impossible
// lengths or counts, or go on after the record's end.
std::string EncodeHeader(const ReportHeader& header);
std::string EncodeDemographics(const DemographicsRecord& record);
std::string EncodeStatistics(const StatisticsRecord& record);
std::string EncodeSummary(const SummaryRecord& record);
std::string EncodeMeasurementList(const MeasurementListRecord& record);
std::string EncodeHistograms(const HistogramRecord& record);
std::string EncodeCorrelation(const CorrelationRecord& record);
std::string EncodeFrequency(const FrequencyRecord& record);
std::string EncodeSecondaryHistograms(const SecondaryHistogramRecord& record);

std::optional<ReportHeader> DecodeHeader(std::string_view bytes, std::string& error);
std::optional<DemographicsRecord> DecodeDemographics(std::string_view bytes, std::string& error);
std::optional<StatisticsRecord> DecodeStatistics(std::string_view bytes, std::string& error);
std::optional<SummaryRecord> DecodeSummary(std::string_view bytes, std::string& error);
std::optional<MeasurementListRecord> DecodeMeasurementList(std::string_view bytes,
                                                           std::string& error);
std::optional<HistogramRecord> DecodeHistograms(std::string_view bytes, std::string& error);
std::optional<CorrelationRecord> DecodeCorrelation(std::string_view bytes, std::string& error);
std::optional<FrequencyRecord> DecodeFrequency(std::string_view bytes, std::string& error);
std::optional<SecondaryHistogramRecord> DecodeSecondaryHistograms(std::string_view bytes,
                                                                  std::string& error);

// The most readings, correlation points and bins a file may announce.
inline constexpr int kMaxReportReadings = 100000;
inline constexpr int kMaxReportBins = 1000;

}  // namespace vitalis
