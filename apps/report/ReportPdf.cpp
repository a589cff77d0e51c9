#include "ReportPdf.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryFile>

#include "ReportComposer.h"
#include "ReportFormat.h"
#include "shell/PrinterSettings.h"
#include "shell/gui/PrinterChoice.h"

namespace vitalis::report {

void PrepareReportPrinter(QPrinter& printer, const QString& applicationDirectory) {
    printer.setResolution(kReportDotsPerInch);
    const std::string start = applicationDirectory.toStdString() + "/Cnf.start";
    ApplyPrinterSettings(printer, ReadPrinterSettings(start));
    printer.setDocName(QStringLiteral("Vitalis report"));
}

bool WriteReportPdf(const ReportComposer& composer, const QString& applicationDirectory,
                    const QString& path) {
    const QFileInfo target(path);
    // A unique name beside the target, so the rename stays on one file system.
    QTemporaryFile beside(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                          QStringLiteral(".XXXXXX"));
    if (!beside.open()) return false;
    beside.close();
    QPrinter printer(QPrinter::HighResolution);
    PrepareReportPrinter(printer, applicationDirectory);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(beside.fileName());
    if (!composer.Render(printer)) return false;
    if (QFileInfo(beside.fileName()).size() == 0) return false;
    if (QFile::exists(path) && !QFile::remove(path)) return false;
    if (!beside.rename(path)) return false;
    beside.setAutoRemove(false);
    // A temporary file is private to its owner; the report is an ordinary file.
    QFile::setPermissions(
        path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return true;
}

}  // namespace vitalis::report
