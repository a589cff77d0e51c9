#include "shell/HelpDocument.h"

#include "shell/ProgramFolder.h"

namespace vitalis {

std::string HelpDocumentPath(const std::string& applicationDirectory, const std::string& language) {
    const bool chinese =
        language == "Chinese(Simplified)" || language == "Chinese(Traditional,Taiwan)";
    return ProgramDataFolder(applicationDirectory) + "/res/Help/" +
           (chinese ? "Chinese" : "English") + ".html";
}

}  // namespace vitalis
