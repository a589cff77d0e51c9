#pragma once

#include <functional>

#include "shell/gui/WorkstationParts.h"

namespace vitalis {

class CaseCommands;
class HelpWindow;

// The commands of the window itself: the pages of the view, the statistics, the settings,
// the language, help, the wear instructions, about and exit.
class ViewCommands {
  public:
    // relabel sets every caption again after the language changed.
    ViewCommands(const WorkstationParts& parts, CaseCommands& cases, std::function<void()> relabel);

    void AddTo(CommandMap& commands);

  private:
    static constexpr int kThresholdPage = 2;  // after the case-folder and report pages
    void ShowSettings(int page);
    void ShowHelp();
    void ChooseLanguage();
    void ShowWearInstructions();

    WorkstationParts parts_;
    CaseCommands& cases_;
    std::function<void()> relabel_;
    HelpWindow* help_ = nullptr;  // owned by the frame, made when first asked for
};

}  // namespace vitalis
