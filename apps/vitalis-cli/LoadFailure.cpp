#include "LoadFailure.h"

#include "case/Recording.h"

namespace vitalis::cli {

std::string LoadFailureText(const Recording& recording) {
    if (!recording.readError) return recording.casePath + " could not be read as a case file";
    return DamagedCaseMessage(NoTexts(), recording.casePath, recording.readError);
}

}  // namespace vitalis::cli
