#include "shell/gui/PrinterChoice.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <utility>

namespace vitalis {

namespace {

// The platform's paper numbers and the Qt sizes they stand for; A4 twice (9 A4, 10 A4 small).
constexpr std::pair<int, QPageSize::PageSizeId> kPapers[] = {
    {1, QPageSize::Letter}, {5, QPageSize::Legal}, {8, QPageSize::A3},  {9, QPageSize::A4},
    {10, QPageSize::A4},    {11, QPageSize::A5},   {13, QPageSize::B5}, {7, QPageSize::Executive},
};

QPageSize::PageSizeId SizeOf(int paper) {
    for (const auto& [number, id] : kPapers)
        if (number == paper) return id;
    return QPageSize::A4;
}

}  // namespace

void ApplyPrinterSettings(QPrinter& printer, const PrinterSettings& settings) {
    if (!settings.deviceName.empty())
        printer.setPrinterName(QString::fromStdString(settings.deviceName));
    printer.setPageSize(QPageSize(SizeOf(settings.paperSize)));
    printer.setPageOrientation(settings.orientation == 2 ? QPageLayout::Landscape
                                                         : QPageLayout::Portrait);
}

PrinterSettings PrinterSettingsOf(const QPrinter& printer, const PrinterSettings& before) {
    PrinterSettings settings = before;
    const QPageSize::PageSizeId id = printer.pageLayout().pageSize().id();
    if (SizeOf(before.paperSize) != id) {
        settings.paperSize = 9;  // sizes we have no number for are stored as A4
        for (const auto& [number, size] : kPapers)
            if (size == id) {
                settings.paperSize = number;
                break;
            }
    }
    settings.orientation = printer.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
    settings.deviceName = printer.printerName().toStdString();
    return settings;
}

}  // namespace vitalis
