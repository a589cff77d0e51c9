#pragma once

#include <string>

#include "case/Recording.h"
#include "case/TextSource.h"

namespace vitalis {

// The path the export writes to: the chosen path with ".CSV" appended unless it already ends
// in ".csv" in any letter case.
std::string CsvExportPath(const std::string& chosen);

// One heading line (the language's "IDS_FILE_HEADING" followed by ", ") and one line per
// reading of the recording, ten fields each, lines ending in LF, UTF-8. A field holding a
// comma, a double quote or a line break is quoted so that it stays one field.
// False when the file cannot be created (the caller shows "IDS_AWPTOFILEERROR").
bool ExportCsv(const Recording& recording, const std::string& path, const TextSource& texts);

std::string CsvReadingLine(const Measurement& m);  // without the line end
std::string CsvField(const std::string& text);

}  // namespace vitalis
