#include "shell/gui/ReportCommands.h"

#include "shell/CommandTable.h"
#include "shell/gui/CTensioDoc.h"
#include "shell/gui/ReportLauncher.h"

namespace vitalis {

void ReportCommands::AddTo(CommandMap& commands) {
    using namespace command;
    commands[kReport] = [this] {
        if (parts_.doc.caseOpen()) parts_.report.Start(parts_.doc.recording());
    };
    commands[kPrinterSetup] = [this] { parts_.report.PrinterSetup(); };
}

}  // namespace vitalis
