#include "case/ReadingColumns.h"

#include <algorithm>
#include <cstdio>

#include "case/CalendarTime.h"
#include "case/ResultCodes.h"

namespace vitalis {

std::string ReadingNumberText(const Measurement& m) {
    std::string text = std::to_string(m.index + 1);
    if (m.mode == 1) text += "+";
    if (m.mode == 2) text += "++";
    return text;
}

std::string ClockText(const Measurement& m) {
    return ShownClock(m.hour, m.minute);
}

std::string DateText(const Measurement& m) {
    return ShownDate(m.year, m.month, m.day);
}

std::string ValueText(int value) {
    return value < 1 ? "---" : std::to_string(value);
}

std::string PulsePressureText(const Measurement& m) {
    const bool ordered = m.sys > 0 && m.dia > 0 && m.sys > m.map && m.map > m.dia;
    return ordered ? std::to_string(m.sys - m.dia) : "---";
}

std::string StatusText(const Measurement& m) {
    return std::to_string(m.status) + "/" + std::to_string(m.aux);
}

std::array<std::string, 10> MeasurementRowTexts(const Measurement& m) {
    return {m.valid == 0 ? "*" : "",
            ReadingNumberText(m),
            ClockText(m),
            DateText(m),
            ValueText(m.sys) + "/" + ValueText(m.dia),
            ValueText(m.pr),
            ValueText(m.map),
            PulsePressureText(m),
            StatusText(m),
            m.remark};
}

std::array<std::string, 10> MeasurementListTexts(const Measurement& m, const TextSource& texts) {
    std::array<std::string, 10> cells = MeasurementRowTexts(m);
    cells[kStatusColumn] = FailureText(m.status, texts);
    return cells;
}

std::string ExclusionHeaderText(int excluded, int total) {
    const double share = total > 0 ? std::min(100.0, 100.0 * excluded / total) : 0.0;
    char text[64];
    std::snprintf(text, sizeof text, "*=%d/%d(%.1f%%)", excluded, total, share);
    return text;
}

std::string ExclusionColumnTitle(const TextSource& texts, int excluded, int total) {
    std::string title = texts.Text(kDialogTexts, kExclusionLabelKey);
    if (!title.empty()) title += " ";
    return title + ExclusionHeaderText(excluded, total);
}

}  // namespace vitalis
