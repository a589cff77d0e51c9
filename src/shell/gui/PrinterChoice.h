#pragma once

#include "shell/PrinterSettings.h"

class QPrinter;

namespace vitalis {

// The stored printer choice on a Qt printer and back. Paper numbers without a Qt size of
// their own print on A4.
void ApplyPrinterSettings(QPrinter& printer, const PrinterSettings& settings);
// What the printer is set to now. A paper size equal to that of `before` keeps its number,
// so a choice left alone is stored as it was.
PrinterSettings PrinterSettingsOf(const QPrinter& printer, const PrinterSettings& before);

}  // namespace vitalis
