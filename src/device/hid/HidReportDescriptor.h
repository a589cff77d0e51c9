#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace vitalis {

// What the report descriptor of a HID interface says about the size of its reports.
struct HidReportSizes {
    bool numbered = false;  // the device puts a report ID in front of its reports
    size_t input = 0;       // bytes of the longest input report, without the ID
    size_t output = 0;      // bytes of the longest output report, without the ID
    bool valid = false;     // the descriptor parsed and describes some input or output

    // The report length the monitor protocol works with: the report ID byte included.
    size_t ReportLength() const { return 1 + (input > output ? input : output); }
};

// Reads the main Input and Output items with their Report Size, Report Count and Report ID
// (Push and Pop included). Descriptors come from the device, so every size is bounded and a
// malformed descriptor gives valid = false rather than a guess.
HidReportSizes ParseHidReportDescriptor(std::span<const uint8_t> descriptor);

}  // namespace vitalis
