#include "device/os/CHID.h"

#include <fcntl.h>
#include <hidapi.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "device/hid/HidReportDescriptor.h"

namespace vitalis {
namespace {

std::vector<uint8_t> ReportDescriptor(int fd) {
    int size = 0;
    if (::ioctl(fd, HIDIOCGRDESCSIZE, &size) != 0 || size <= 0 || size > HID_MAX_DESCRIPTOR_SIZE)
        return {};
    hidraw_report_descriptor descriptor{};
    descriptor.size = static_cast<__u32>(size);
    if (::ioctl(fd, HIDIOCGRDESC, &descriptor) != 0) return {};
    return std::vector<uint8_t>(descriptor.value, descriptor.value + size);
}

}  // namespace

std::string FindHidPath(int index, uint16_t vendorId, uint16_t productId) {
    if (index < 1 || hid_init() != 0) return {};
    hid_device_info* all = hid_enumerate(vendorId, productId);
    std::string path;
    int seen = 0;
    for (const hid_device_info* d = all; d != nullptr; d = d->next) {
        if (d->path != nullptr && ++seen == index) {
            path = d->path;
            break;
        }
    }
    hid_free_enumeration(all);
    return path;
}

CHID::CHID(std::chrono::milliseconds reportTimeout) : timeout_(reportTimeout) {}

CHID::~CHID() {
    Close();
}

int CHID::SelectDeviceOpen(int index, uint16_t vendorId, uint16_t productId) {
    Close();
    path_ = FindHidPath(index, vendorId, productId);
    if (path_.empty()) return 0;
    const int fd = ::open(path_.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return 0;
    const HidReportSizes sizes = ParseHidReportDescriptor(ReportDescriptor(fd));
    if (!sizes.valid) {
        ::close(fd);
        return 0;
    }
    fd_ = fd;
    numbered_ = sizes.numbered;
    reportLength_ = sizes.ReportLength();
    return static_cast<int>(reportLength_);
}

// hidraw hands over one report per read, the report ID first only for numbered reports;
// the workstation always sees it in byte 0.
bool CHID::Read(std::span<uint8_t> report) {
    if (fd_ < 0 || report.size() < 2) return false;
    if (WaitFd(fd_, POLLIN, wake_, timeout_) != FdReady::Ready) return false;
    std::fill(report.begin(), report.end(), uint8_t{0});
    const std::span<uint8_t> target = numbered_ ? report : report.subspan(1);
    const ssize_t n = ::read(fd_, target.data(), target.size());
    return n > 0;
}

// The first byte of a hidraw write is the report number, 0 for unnumbered reports.
bool CHID::Write(std::span<const uint8_t> report) {
    if (fd_ < 0 || report.empty()) return false;
    if (WaitFd(fd_, POLLOUT, wake_, timeout_) != FdReady::Ready) return false;
    const ssize_t n = ::write(fd_, report.data(), report.size());
    return n == static_cast<ssize_t>(report.size());
}

void CHID::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    reportLength_ = 0;
    wake_.Clear();
}

}  // namespace vitalis
