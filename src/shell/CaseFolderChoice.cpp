#include "shell/CaseFolderChoice.h"

#include "case/CaseFolder.h"
#include "case/NumberedText.h"
#include "shell/AppConfig.h"

namespace vitalis {
namespace {

// The folder without the separators a browse dialog or a typist may leave at its end.
std::string WithoutTrailingSlash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

}  // namespace

std::string CaseFolderRefusal(const std::string& folder, const TextSource& texts) {
    // A relative folder would lie wherever the program happened to be started.
    const std::string problem = folder.empty() || folder.front() != '/'
                                    ? texts.Text(kCaseTexts, "IDS_FOLDER_NOT_FULL")
                                    : CaseFolderWriteProblem(folder);
    if (problem.empty()) return {};
    return FillNumbered(texts.Text(kCaseTexts, "IDS_FOLDER_REFUSED"), {folder, problem});
}

void StoreCaseFolderChoice(AppConfig& config, const std::string& folder) {
    const std::string chosen = WithoutTrailingSlash(folder);
    const std::string standard = config.DefaultCaseFolder();
    config.useDefaultPath = chosen == WithoutTrailingSlash(standard) ? 1 : 0;
    config.caseFolder = config.useDefaultPath != 0 ? standard : chosen;
}

}  // namespace vitalis
