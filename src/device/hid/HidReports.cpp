#include "device/hid/HidReports.h"

#include <algorithm>

namespace vitalis {

size_t ReportCount(size_t messageLength, size_t reportLength) {
    if (reportLength < 2) return 0;
    const size_t payload = reportLength - 1;
    return (messageLength + payload - 1) / payload;
}

std::vector<uint8_t> BuildReport(std::span<const uint8_t> message, size_t index,
                                 size_t reportLength) {
    std::vector<uint8_t> report(reportLength, 0);
    if (reportLength < 2) return report;
    const size_t payload = reportLength - 1;
    const size_t first = index * payload;
    if (first >= message.size()) return report;
    const size_t count = std::min(payload, message.size() - first);
    std::copy_n(message.begin() + static_cast<std::ptrdiff_t>(first), count, report.begin() + 1);
    return report;
}

void PlaceReport(std::span<const uint8_t> report, size_t index, size_t reportLength,
                 std::span<uint8_t> message) {
    if (reportLength < 2 || report.size() < 2) return;
    const size_t payload = reportLength - 1;
    const size_t first = index * payload;
    if (first >= message.size()) return;
    const size_t count = std::min({payload, message.size() - first, report.size() - 1});
    std::copy_n(report.begin() + 1, count, message.begin() + static_cast<std::ptrdiff_t>(first));
}

}  // namespace vitalis
