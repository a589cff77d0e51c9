#pragma once

#include <QString>

#include "shell/gui/WorkstationParts.h"

namespace vitalis {

class CaseCommands;

// The commands that talk to the monitor: download, upload and the choice of the link.
class DeviceCommands {
  public:
    DeviceCommands(const WorkstationParts& parts, CaseCommands& cases);

    void AddTo(CommandMap& commands);

  private:
    void Download();
    // The folder, or another the user chooses, once case files can be written there; empty
    // when the user gives up (the download then does not start).
    QString WritableCaseFolder(QString folder);
    void Upload();

    WorkstationParts parts_;
    CaseCommands& cases_;
};

}  // namespace vitalis
