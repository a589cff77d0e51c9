#include "support/ScriptedHidDevice.h"

#include <algorithm>

#include "device/hid/HidReports.h"

namespace vitalis {

void HidScript::SendMessage(std::span<const uint8_t> message) {
    const auto length = static_cast<size_t>(std::max(reportLength, 2));
    for (size_t i = 0; i < ReportCount(message.size(), length); ++i)
        inputReports.push_back(BuildReport(message, i, length));
}

int ScriptedHidDevice::SelectDeviceOpen(int index, uint16_t vendorId, uint16_t productId) {
    if (index != 1 || vendorId != kMonitorVendorId || productId != kMonitorProductId) return 0;
    if (script_->reportLength <= 0) return script_->reportLength;
    open_ = true;
    ++script_->opens;
    return script_->reportLength;
}

bool ScriptedHidDevice::Read(std::span<uint8_t> report) {
    if (!open_ || cancelled_ || script_->inputReports.empty()) return false;
    const std::vector<uint8_t>& next = script_->inputReports.front();
    std::fill(report.begin(), report.end(), uint8_t{0});
    std::copy_n(next.begin(), std::min(next.size(), report.size()), report.begin());
    script_->inputReports.pop_front();
    return true;
}

bool ScriptedHidDevice::Write(std::span<const uint8_t> report) {
    if (!open_ || cancelled_ || script_->failWrites) return false;
    script_->outputReports.emplace_back(report.begin(), report.end());
    if (script_->responder && report.size() > 1) {
        for (const auto& message : script_->responder(report.subspan(1)))
            script_->SendMessage(message);
    }
    return true;
}

void ScriptedHidDevice::Close() {
    if (open_) ++script_->closes;
    open_ = false;
}

}  // namespace vitalis
