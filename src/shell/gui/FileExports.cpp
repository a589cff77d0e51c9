#include "shell/gui/FileExports.h"

#include <QFileDialog>

#include "case/CsvExport.h"
#include "case/TextSource.h"
#include "interop/FhirExport.h"
#include "shell/ExportFileName.h"

namespace vitalis {

namespace {

QString Text(const TextSource& texts, std::string_view section, std::string_view key) {
    return QString::fromStdString(texts.Text(section, key));
}

void TellWritten(const UserMessages& messages, QWidget* parent, const QString& saved,
                 const std::string& path) {
    messages.inform(parent, saved + QLatin1Char('\n') + QString::fromStdString(path));
}

}  // namespace

ExportPathChoice AskExportPathWithDialog() {
    return [](QWidget* parent, const QString& suggested, const QString& filter) {
        return QFileDialog::getSaveFileName(parent, QString(), suggested, filter);
    };
}

void ExportFhirOfCase(const Recording& recording, std::string_view guideline,
                      const TextSource& texts, const UserMessages& messages,
                      const ExportPathChoice& askPath, QWidget* parent) {
    const QString suggested = QString::fromStdString(SuggestedExportPath(recording, "json"));
    const QString chosen = askPath(parent, suggested, QStringLiteral("FHIR (*.json)"));
    if (chosen.isEmpty()) return;
    const std::string path = chosen.toStdString();
    if (fhir::ExportBundleFile(recording, clinical::GuidelineOrDefault(guideline), false, texts,
                               path)) {
        TellWritten(messages, parent, Text(texts, kMessageTexts, "IDS_FHIR_WRITTEN"), path);
    } else {
        messages.inform(parent, Text(texts, kMessageTexts, "IDS_FHIR_NOT_WRITTEN"));
    }
}

void ExportCsvOfCase(const Recording& recording, const TextSource& texts,
                     const UserMessages& messages, const ExportPathChoice& askPath,
                     QWidget* parent) {
    const QString suggested = QString::fromStdString(SuggestedExportPath(recording, "csv"));
    const QString chosen = askPath(parent, suggested, QStringLiteral("CSV (*.csv *.CSV)"));
    if (chosen.isEmpty()) return;
    const std::string path = CsvExportPath(chosen.toStdString());
    if (ExportCsv(recording, path, texts)) {
        TellWritten(messages, parent, Text(texts, kMessageTexts, "IDS_CSV_WRITTEN"), path);
    } else {
        messages.inform(parent, Text(texts, kGlobalTexts, "IDS_AWPTOFILEERROR"));
    }
}

}  // namespace vitalis
