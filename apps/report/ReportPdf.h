#pragma once

#include <QString>

class QPrinter;

namespace vitalis::report {

class ReportComposer;

// The printer as the report prints: screen resolution (the charts are laid out in screen
// pixels) and the paper stored in "Cnf.start" of the application directory.
void PrepareReportPrinter(QPrinter& printer, const QString& applicationDirectory);

// Writes the report as a PDF file. The pages go to a file beside the target first and take
// its name only when every page was written, so a failed run leaves no partial PDF (and an
// older file of that name stays as it was). False when the file could not be written.
bool WriteReportPdf(const ReportComposer& composer, const QString& applicationDirectory,
                    const QString& path);

}  // namespace vitalis::report
