#include "device/link/CHidLink.h"

#include <algorithm>
#include <vector>

#include "device/hid/HidReports.h"

namespace vitalis {
namespace {

// A report must carry at least one message byte; larger than any HID report a device can
// declare is equally unusable.
constexpr int kMaxReportLength = 4097;

}  // namespace

CHidLink::CHidLink(std::unique_ptr<HidDevice> device, Pacer& pacer)
    : device_(std::move(device)), watch_(pacer.Observe(*device_)) {}

CHidLink::~CHidLink() {
    watch_.Release();
}

bool CHidLink::Open() {
    if (!device_->IsOpen()) {
        const int length = device_->SelectDeviceOpen(1, kMonitorVendorId, kMonitorProductId);
        if (length < 2 || length > kMaxReportLength) {
            device_->Close();
            reportLength_ = 0;
            return false;
        }
        reportLength_ = length;
    }
    return reportLength_ >= 2;
}

bool CHidLink::Usable() const {
    return device_->IsOpen() && reportLength_ >= 2;
}

bool CHidLink::Write(std::span<const uint8_t> message) {
    if (!Usable()) return false;
    const auto length = static_cast<size_t>(reportLength_);
    bool all = true;
    for (size_t i = 0; i < ReportCount(message.size(), length); ++i) {
        if (!device_->Write(BuildReport(message, i, length))) all = false;
    }
    return all;
}

LinkRead CHidLink::Read(std::span<uint8_t> message) {
    if (!Usable()) return {};
    const auto length = static_cast<size_t>(reportLength_);
    LinkRead read{true, 0};
    std::vector<uint8_t> report(length + 1);
    for (size_t i = 0; i < ReportCount(message.size(), length); ++i) {
        std::fill(report.begin(), report.end(), uint8_t{0});
        if (!device_->Read(std::span(report).first(length))) {
            read.ok = false;
            continue;
        }
        PlaceReport(report, i, length, message);
        read.count += static_cast<uint32_t>(
            std::min(length - 1, message.size() - std::min(message.size(), i * (length - 1))));
    }
    return read;
}

void CHidLink::Close() {
    if (device_->IsOpen()) device_->Close();
    reportLength_ = 0;
}

}  // namespace vitalis
