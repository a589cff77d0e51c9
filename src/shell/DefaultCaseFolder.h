#pragma once

#include <string>

#include "shell/UserFolders.h"

namespace vitalis {

// Where the case files go unless the user chose a folder. An installed program cannot write
// its own folder, so the cases go to "<user data folder>/Vitalis/cases". A program folder that
// already holds a "data" folder keeps it as the default, so the cases stored there stay in
// view; so does a program folder when the environment names no home. Nothing is created.
std::string DefaultCaseFolderFor(const std::string& programFolder);

}  // namespace vitalis
