#pragma once

#include <QString>
#include <functional>
#include <string_view>

#include "case/Recording.h"
#include "case/TextSource.h"
#include "ui/UserMessages.h"

class QWidget;

namespace vitalis {

// Asks where an export goes, starting from the suggested path; empty when cancelled.
using ExportPathChoice =
    std::function<QString(QWidget* parent, const QString& suggested, const QString& filter)>;
// The save dialog.
ExportPathChoice AskExportPathWithDialog();

// The File menu's exports of the open recording. Each asks for the file (suggested beside the
// case, named after the patient and the test date), writes it and tells where it went or
// that it could not be written. Cancelling writes nothing and says nothing.
void ExportFhirOfCase(const Recording& recording, std::string_view guideline,
                      const TextSource& texts, const UserMessages& messages,
                      const ExportPathChoice& askPath, QWidget* parent);
void ExportCsvOfCase(const Recording& recording, const TextSource& texts,
                     const UserMessages& messages, const ExportPathChoice& askPath,
                     QWidget* parent);

}  // namespace vitalis
