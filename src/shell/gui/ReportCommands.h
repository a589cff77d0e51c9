#pragma once

#include "shell/gui/FileExports.h"
#include "shell/gui/WorkstationParts.h"

namespace vitalis {

// The commands that hand the open case on: the printed report and its printer, the CSV and
// FHIR exports.
class ReportCommands {
  public:
    ReportCommands(const WorkstationParts& parts, const ExportPathChoice& askExportPath)
        : parts_(parts), askExportPath_(askExportPath) {}

    void AddTo(CommandMap& commands);

  private:
    WorkstationParts parts_;
    const ExportPathChoice& askExportPath_;  // the workstation's, which tests may replace
};

}  // namespace vitalis
