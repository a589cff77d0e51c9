#include "shell/gui/ReportCommands.h"

#include "shell/AppConfig.h"
#include "shell/CommandTable.h"
#include "shell/LanguageTable.h"
#include "shell/gui/CMainFrameHeron.h"
#include "shell/gui/CTensioDoc.h"
#include "shell/gui/ReportLauncher.h"
#include "views/CTensioView.h"

namespace vitalis {

void ReportCommands::AddTo(CommandMap& commands) {
    using namespace command;
    commands[kReport] = [this] {
        if (parts_.doc.caseOpen())
            parts_.report.Start(parts_.doc.recording(), parts_.view.trend().zoom().part());
    };
    commands[kPrinterSetup] = [this] { parts_.report.PrinterSetup(); };
    commands[kExportFhir] = [this] {
        if (parts_.doc.caseOpen())
            ExportFhirOfCase(parts_.doc.recording(), parts_.config.guideline, parts_.languages,
                             parts_.messages, askExportPath_, &parts_.frame);
    };
    commands[kExportCsv] = [this] {
        if (parts_.doc.caseOpen())
            ExportCsvOfCase(parts_.doc.recording(), parts_.languages, parts_.messages,
                            askExportPath_, &parts_.frame);
    };
}

}  // namespace vitalis
