#pragma once

#include <string>

namespace vitalis {

// The printer choice the report program prints with, kept in the start file ("START").
// The paper size and orientation use the platform printer numbers: paper 9 is A4, 10 A4
// small, 1 Letter; orientation 1 is portrait, 2 landscape.
struct PrinterSettings {
    int paperSize = 10;      // "PaperSize"
    int orientation = 1;     // "Orientation"
    std::string deviceName;  // "DeviceName"; empty: the default printer
    bool operator==(const PrinterSettings&) const = default;
};

PrinterSettings ReadPrinterSettings(const std::string& startFilePath);
bool WritePrinterSettings(const std::string& startFilePath, const PrinterSettings& settings);

}  // namespace vitalis
