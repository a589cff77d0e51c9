// Any bytes as the report descriptor a USB device hands over.
#include <cstddef>
#include <cstdint>
#include <span>

#include "device/hid/HidReportDescriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto sizes = vitalis::ParseHidReportDescriptor(std::span(data, size));
    if (sizes.valid && sizes.ReportLength() > 4097) __builtin_trap();
    return 0;
}
