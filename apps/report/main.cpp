// The report program: reads the hand-off files the workstation wrote and shows the report
// in a print preview, or, with --pdf, writes it as a PDF file and ends.
//
//   vitalis-report [FOLDER] [--pdf OUT.pdf] [--app-dir DIR]
//
// DIR holds "Cnf.start" (the printer choice) and "Language/", by default the program's own
// folder; FOLDER is the hand-off folder, by default "TensioStart" in DIR.
#include <QApplication>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <cstdio>
#include <string_view>

#include "ReportComposer.h"
#include "shell/LanguageTable.h"
#include "shell/PrinterSettings.h"
#include "shell/ReportFiles.h"
#include "shell/ReportHandOffFolder.h"
#include "shell/gui/PrinterChoice.h"
#include "ui/ApplicationStyle.h"

namespace {

struct Options {
    QString folder;
    QString pdf;
    QString applicationDirectory;
    bool valid = true;
};

Options ParseOptions(const QStringList& arguments, const QString& programDirectory) {
    Options options;
    options.applicationDirectory = programDirectory;
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QStringLiteral("--pdf") && i + 1 < arguments.size())
            options.pdf = arguments[++i];
        else if (arguments[i] == QStringLiteral("--app-dir") && i + 1 < arguments.size())
            options.applicationDirectory = arguments[++i];
        else if (!arguments[i].startsWith(QLatin1Char('-')) && options.folder.isEmpty())
            options.folder = arguments[i];
        else
            options.valid = false;
    }
    if (options.folder.isEmpty())
        options.folder = QString::fromStdString(
            vitalis::ReportHandOffFolder(options.applicationDirectory.toStdString()));
    return options;
}

void PreparePrinter(QPrinter& printer, const QString& applicationDirectory) {
    printer.setResolution(96);  // the charts are laid out in screen pixels
    const std::string start = applicationDirectory.toStdString() + "/Cnf.start";
    vitalis::ApplyPrinterSettings(printer, vitalis::ReadPrinterSettings(start));
    printer.setDocName(QStringLiteral("Vitalis report"));
}

int Fail(bool quiet, const QString& text) {
    if (quiet)
        std::fprintf(stderr, "vitalis-report: %s\n", qPrintable(text));
    else
        QMessageBox::warning(nullptr, QStringLiteral("Vitalis"), text);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    // Writing a PDF needs no screen.
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--pdf" && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vitalis::ApplyApplicationStyle(app);
    const Options options = ParseOptions(app.arguments(), QCoreApplication::applicationDirPath());
    const QString& appDir = options.applicationDirectory;
    const bool quiet = !options.pdf.isEmpty();
    if (!options.valid)
        return Fail(
            true, QStringLiteral("usage: vitalis-report [FOLDER] [--pdf OUT.pdf] [--app-dir DIR]"));

    vitalis::ReportReadResult read = vitalis::ReadReportFiles(options.folder.toStdString());
    if (!read.data) return Fail(quiet, QString::fromStdString(read.error));
    vitalis::LanguageTable languages(appDir.toStdString());
    languages.LoadStoredLanguage();
    const vitalis::report::ReportComposer composer(std::move(*read.data), languages);

    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer, appDir);
    if (quiet) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(options.pdf);
        if (!composer.Render(printer))
            return Fail(true, QStringLiteral("cannot write %1").arg(options.pdf));
        return 0;
    }
    QPrintPreviewDialog preview(&printer);
    preview.setWindowTitle(QString::fromStdString(composer.data().header.title));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&composer](QPrinter* target) { composer.Render(*target); });
    preview.showMaximized();
    preview.exec();
    return 0;
}
