// Any bytes as the USB HID reports of one message: the first byte gives the report length,
// the second the message length, the rest the reports in order. Placing them must never write
// past the message or read past a report.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "device/hid/HidReports.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const size_t reportLength = data[0];
    std::vector<uint8_t> message(data[1]);
    const std::span<const uint8_t> reports(data + 2, size - 2);
    const size_t count = vitalis::ReportCount(message.size(), reportLength);
    for (size_t index = 0; reportLength > 0 && index < count; ++index) {
        const size_t from = index * reportLength;
        if (from >= reports.size()) break;
        const auto report = reports.subspan(from, std::min(reportLength, reports.size() - from));
        vitalis::PlaceReport(report, index, reportLength, message);
        [[maybe_unused]] const auto rebuilt = vitalis::BuildReport(message, index, reportLength);
    }
    return 0;
}
