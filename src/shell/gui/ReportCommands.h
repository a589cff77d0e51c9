#pragma once

#include "shell/gui/WorkstationParts.h"

namespace vitalis {

// The commands that hand the open case on: the printed report and its printer.
class ReportCommands {
  public:
    explicit ReportCommands(const WorkstationParts& parts) : parts_(parts) {}

    void AddTo(CommandMap& commands);

  private:
    WorkstationParts parts_;
};

}  // namespace vitalis
