#include "shell/LanguageChoice.h"

#include "case/ProfileStore.h"

namespace vitalis {

void StartLanguage(LanguageTable& languages) {
    languages.ScanLanguages(languages.LanguageFolder());
    languages.SetLanguage(languages.GetCurrentLanguageName());
    languages.LoadLanguage();
    RecordLanguageForReports(languages);
}

void ChangeLanguage(LanguageTable& languages, const std::string& chosen) {
    languages.SetLanguage(chosen);
    languages.LoadLanguage();
    RecordLanguageForReports(languages);
}

void RecordLanguageForReports(LanguageTable& languages) {
    const std::string name = languages.GetCurrentLanguageName();
    ProfileStore start(languages.applicationDirectory() + "/Cnf.start");
    start.WriteString("START", "Language", name);
}

}  // namespace vitalis
