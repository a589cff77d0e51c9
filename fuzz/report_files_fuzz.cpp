// Any bytes as a report hand-off file: the first byte picks the record kind, the rest is the
// file. Every decoder must give a record or an error, never crash, hang or allocate beyond
// what the bytes can hold.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/ReportClinicalRecord.h"
#include "shell/ReportGraphRecord.h"
#include "shell/ReportRecords.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::string error;
    switch (data[0] % 11) {
        case 0:
            (void)vitalis::DecodeHeader(bytes, error);
            break;
        case 1:
            (void)vitalis::DecodeDemographics(bytes, error);
            break;
        case 2:
            (void)vitalis::DecodeStatistics(bytes, error);
            break;
        case 3:
            (void)vitalis::DecodeSummary(bytes, error);
            break;
        case 4:
            (void)vitalis::DecodeMeasurementList(bytes, error);
            break;
        case 5:
            (void)vitalis::DecodeHistograms(bytes, error);
            break;
        case 6:
            (void)vitalis::DecodeCorrelation(bytes, error);
            break;
        case 7:
            (void)vitalis::DecodeFrequency(bytes, error);
            break;
        case 8:
            (void)vitalis::DecodeSecondaryHistograms(bytes, error);
            break;
        case 10:
            (void)vitalis::DecodeClinical(bytes, error);
            break;
        default:
            (void)vitalis::DecodeGraph(bytes, error);
            break;
    }
    return 0;
}
