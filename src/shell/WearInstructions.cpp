#include "shell/WearInstructions.h"

#include "case/TextSource.h"
#include "shell/ProgramFolder.h"

namespace vitalis {

std::string WearInstructionsText(const TextSource& texts) {
    std::string all;
    for (int i = 1; i <= 7; ++i) {
        all += texts.Text(kDialogTexts, "IDS_USER_INFO" + std::to_string(i));
        all += "\r\n\r\n";
    }
    return all;
}

std::string WearPicturePath(const std::string& applicationDirectory, const std::string& language) {
    return ProgramDataFolder(applicationDirectory) +
           (language == "Chinese" ? "/res/wear_CHS.JPG" : "/res/wear_ENG.JPG");
}

}  // namespace vitalis
