#pragma once

#include <map>
#include <set>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <vector>

#include "case/AsciiCase.h"
#include "case/TextSource.h"

namespace vitalis {

// The texts of the interface language: the whole content of one language file
// ("<application directory>/Language/<name>.lng"), held in memory so that looking a text up
// while painting costs two map searches and no file access. A missing folder, file, section
// or key gives empty texts; nothing here ever stops the program.
//
// The name of the language in use is kept in "Previous Config"/"Language" of "VurConfig.ini"
// in the application directory.
//
// Texts may be read from any thread (the download worker writes failure texts into case
// files); a language change replaces the table whole under a lock.
class LanguageTable final : public TextSource {
  public:
    explicit LanguageTable(std::string applicationDirectory = {});

    // Where "Language/" and "VurConfig.ini" are; the folder of the running program until the
    // configuration sets it.
    void SetApplicationDirectory(std::string directory);
    const std::string& applicationDirectory() const { return applicationDirectory_; }
    std::string LanguageFolder() const;  // application directory + "/Language"
    std::string ConfigFilePath() const;  // "VurConfig.ini" as read (see ConfigLocation)

    // Collects the language names: every file in the folder and, recursively, in every
    // subfolder whose name does not begin with ".", named by the part of its file name
    // before the first ".". The names replace those of an earlier scan.
    void ScanLanguages(const std::string& folder);
    // The names in ordinal, case-sensitive order.
    std::vector<std::string> GetLanguageNames() const;

    // The stored language name, "English" when none is stored; the old short names
    // "ChineseSimp" and "ChineseTrad" (any letter case) become "Chinese(Simplified)" and
    // "Chinese(Traditional,Taiwan)". The result is written back to "VurConfig.ini".
    std::string GetCurrentLanguageName();

    // Chooses the language file for a name (empty means "English") and stores the name as
    // given in "VurConfig.ini". The name is looked up among the scanned names ignoring
    // letter case; when it is unknown or has no ".lng" file, English.lng serves while the
    // stored name stays as chosen. Does not read the file.
    void SetLanguage(std::string name);
    // Like SetLanguage, but stores nothing (for tools that only read the texts).
    void SelectLanguageFile(std::string_view name);
    const std::string& languageFilePath() const { return filePath_; }

    // Replaces the table with the whole content of the chosen file. Values are kept whole
    // whatever their length; "++" in a value reads as a line break, as in every settings
    // file. False when the file could not be found (the table is then empty).
    bool LoadLanguage();

    // For tools that must not change the configuration: scans the language folder, takes
    // the stored name from "VurConfig.ini" without writing anything and loads its file.
    bool LoadStoredLanguage();

    // The text of a key; keys and section names are compared exactly, letter case included.
    std::string GetText(std::string_view section, std::string_view key) const;
    std::string Text(std::string_view section, std::string_view key) const override {
        return GetText(section, key);
    }

    size_t SectionCount() const;
    std::vector<std::string> KeyNames(std::string_view section) const;

  private:
    using Section = std::map<std::string, std::string, std::less<>>;
    using Sections = std::map<std::string, Section, std::less<>>;

    std::string StoredLanguageName(bool writeBack);
    void StoreLanguageName(const std::string& name) const;
    std::string FileForName(std::string_view name) const;

    std::string applicationDirectory_;
    std::set<std::string> names_;
    std::string filePath_;
    mutable std::shared_mutex lock_;  // guards sections_
    Sections sections_;
};

// The old short names of the two Chinese languages, any letter case, as their full names;
// every other name unchanged.
std::string ExpandLanguageName(std::string_view stored);
// The position in names of the first entry that begins with current (ignoring ASCII letter
// case), as the language dialog preselects it; -1 when there is none.
int PreselectedLanguage(const std::vector<std::string>& names, std::string_view current);

}  // namespace vitalis
