#include "shell/PrinterSettings.h"

#include "case/ProfileStore.h"

namespace vitalis {

namespace {
constexpr std::string_view kSection = "START";
}

PrinterSettings ReadPrinterSettings(const std::string& startFilePath) {
    const ProfileStore start(startFilePath);
    PrinterSettings settings;
    settings.paperSize = start.GetInt(kSection, "PaperSize", settings.paperSize);
    settings.orientation = start.GetInt(kSection, "Orientation", settings.orientation);
    settings.deviceName = start.GetString(kSection, "DeviceName", settings.deviceName);
    return settings;
}

bool WritePrinterSettings(const std::string& startFilePath, const PrinterSettings& settings) {
    ProfileStore start(startFilePath);
    ProfileStore::Batch batch(start);
    start.WriteInt(kSection, "PaperSize", settings.paperSize);
    start.WriteInt(kSection, "Orientation", settings.orientation);
    start.WriteString(kSection, "DeviceName", settings.deviceName);
    return batch.Commit();
}

}  // namespace vitalis
