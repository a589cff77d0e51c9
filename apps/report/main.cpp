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
#include <QScreen>
#include <cstdio>
#include <string_view>

#include "ReportComposer.h"
#include "ReportPdf.h"
#include "shell/LanguageTable.h"
#include "shell/ReportFiles.h"
#include "shell/ReportHandOffFolder.h"
#include "shell/ReportMonitor.h"
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
    read.data->monitor = vitalis::ReportMonitorOfHandOff(appDir.toStdString());
    vitalis::LanguageTable languages(appDir.toStdString());
    languages.LoadStoredLanguage();
    const vitalis::report::ReportComposer composer(std::move(*read.data), languages);

    if (quiet) {
        if (!vitalis::report::WriteReportPdf(composer, appDir, options.pdf))
            return Fail(true, QStringLiteral("cannot write %1").arg(options.pdf));
        return 0;
    }
    QPrinter printer(QPrinter::HighResolution);
    vitalis::report::PrepareReportPrinter(printer, appDir);
    QPrintPreviewDialog preview(&printer);
    preview.setWindowTitle(composer.Title());
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&composer](QPrinter* target) { composer.Render(*target); });
    // Without a window manager nobody maximises the window, so it takes the screen itself.
    if (QScreen* screen = preview.screen()) preview.setGeometry(screen->availableGeometry());
    preview.showMaximized();
    preview.exec();
    return 0;
}
