#include "case/CsvExport.h"

#include "case/FileAccess.h"
#include "case/IniDocument.h"
#include "case/ReadingColumns.h"
#include "case/TextSource.h"

namespace vitalis {

std::string CsvExportPath(const std::string& chosen) {
    const bool hasExtension =
        chosen.size() >= 4 &&
        EqualsIgnoringCase(std::string_view(chosen).substr(chosen.size() - 4), ".csv");
    return hasExtension ? chosen : chosen + ".CSV";
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string CsvReadingLine(const Measurement& m) {
    const std::string fields[10] = {
        ReadingNumberText(m), ClockText(m),    DateText(m),      ValueText(m.sys),
        ValueText(m.dia),     ValueText(m.pr), ValueText(m.map), PulsePressureText(m),
        StatusText(m),        m.remark};
    std::string line;
    for (int i = 0; i < 10; ++i) {
        if (i > 0) line += ',';
        line += CsvField(fields[i]);
    }
    return line;
}

bool ExportCsv(const Recording& recording, const std::string& path, const TextSource& texts) {
    std::string content = texts.Text(kDialogTexts, "IDS_FILE_HEADING") + ", \n";
    for (const Measurement& m : recording.allMeasurements()) {
        content += CsvReadingLine(m);
        content += '\n';
    }
    return ReplaceFileContent(path, content).has_value();
}

}  // namespace vitalis
