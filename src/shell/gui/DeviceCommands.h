#pragma once

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
    void Upload();

    WorkstationParts parts_;
    CaseCommands& cases_;
};

}  // namespace vitalis
