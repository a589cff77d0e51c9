#include "shell/ExportFileName.h"

#include <cstdio>
#include <filesystem>

namespace vitalis {

namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Separators, characters other systems refuse and control characters; a leading dot
// would hide the file.
std::string SafeName(std::string name) {
    for (char& c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
            c = '_';
    }
    if (!name.empty() && name.front() == '.') name.front() = '_';
    return name;
}

}  // namespace

std::string SuggestedExportPath(const Recording& recording, std::string_view extension) {
    std::string patient = Trimmed(recording.patient.name);
    if (patient.empty()) patient = Trimmed(recording.patient.id);
    if (patient.empty()) patient = "case";
    const ClockTime& begin = recording.testBegin;
    char date[32];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", begin.year, begin.month, begin.day);
    const std::string name = SafeName(patient + "_" + date) + "." + std::string(extension);
    const std::filesystem::path folder = std::filesystem::path(recording.casePath).parent_path();
    return folder.empty() ? name : (folder / name).string();
}

}  // namespace vitalis
