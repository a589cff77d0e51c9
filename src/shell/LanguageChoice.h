#pragma once

#include <string>

#include "shell/LanguageTable.h"

namespace vitalis {

// The language's way through a run. The report program learns the language from
// "START"/"Language" of "Cnf.start" in the application directory, and the configuration
// copies that key into "VurConfig.ini" at its next save.

// At start-up, after the configuration is loaded: scans the language folder, chooses and
// loads the stored language and records it in "Cnf.start".
void StartLanguage(LanguageTable& languages);

// The language dialog's OK with the chosen name (empty when nothing was chosen): stores and
// loads it and records it in "Cnf.start". The caller then relabels the main window.
void ChangeLanguage(LanguageTable& languages, const std::string& chosen);

// Writes the current language name into "Cnf.start".
void RecordLanguageForReports(LanguageTable& languages);

}  // namespace vitalis
