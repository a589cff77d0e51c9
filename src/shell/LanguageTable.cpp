#include "shell/LanguageTable.h"

#include <filesystem>
#include <mutex>

#include "case/FileAccess.h"
#include "case/ProfileStore.h"
#include "shell/ConfigLocation.h"
#include "shell/ProgramFolder.h"

namespace vitalis {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDefaultLanguage = "English";
constexpr std::string_view kGlobalSection = "Previous Config";
constexpr std::string_view kLanguageKey = "Language";

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// The language name a file stands for: its name up to the first ".".
std::string NameOfFile(const fs::path& file) {
    const std::string name = file.filename().string();
    return name.substr(0, name.find('.'));
}

}  // namespace

std::string ExpandLanguageName(std::string_view stored) {
    if (EqualsIgnoringCase(stored, "ChineseSimp")) return "Chinese(Simplified)";
    if (EqualsIgnoringCase(stored, "ChineseTrad")) return "Chinese(Traditional,Taiwan)";
    return std::string(stored);
}

int PreselectedLanguage(const std::vector<std::string>& names, std::string_view current) {
    for (size_t i = 0; i < names.size(); ++i) {
        if (StartsWithIgnoringCase(names[i], current)) return static_cast<int>(i);
    }
    return -1;
}

LanguageTable::LanguageTable(std::string applicationDirectory) {
    SetApplicationDirectory(std::move(applicationDirectory));
}

void LanguageTable::SetApplicationDirectory(std::string directory) {
    // Never an empty folder: paths built on it would point at the root of the file system.
    applicationDirectory_ = directory.empty() ? RunningProgramFolder() : std::move(directory);
}

std::string LanguageTable::LanguageFolder() const {
    return ProgramDataFolder(applicationDirectory_) + "/Language";
}

std::string LanguageTable::ConfigFilePath() const {
    return ConfigReadPath(applicationDirectory_);
}

void LanguageTable::ScanLanguages(const std::string& folder) {
    names_.clear();
    std::error_code error;
    fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied,
                                        error);
    for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        const fs::directory_entry& entry = *it;
        std::error_code ignored;
        if (entry.is_directory(ignored)) {
            // Hidden folders (version control, editors' backups) hold no languages.
            if (entry.path().filename().string().starts_with('.')) it.disable_recursion_pending();
            continue;
        }
        if (!entry.is_regular_file(ignored)) continue;
        std::string name = NameOfFile(entry.path());
        if (!name.empty()) names_.insert(std::move(name));
    }
}

std::vector<std::string> LanguageTable::GetLanguageNames() const {
    return {names_.begin(), names_.end()};
}

std::string LanguageTable::StoredLanguageName(bool writeBack) {
    const std::string path = ConfigFilePath();
    if (!writeBack) {
        ProfileStore config(path, ProfileOpen::ExistingOnly);
        return ExpandLanguageName(config.GetString(kGlobalSection, kLanguageKey, kDefaultLanguage));
    }
    const ProfileStore config(path, ProfileOpen::ExistingOnly);
    std::string name =
        ExpandLanguageName(config.GetString(kGlobalSection, kLanguageKey, kDefaultLanguage));
    StoreLanguageName(name);
    return name;
}

// Only a name that differs from the stored one is written: reading the settings never
// creates or rewrites the file.
void LanguageTable::StoreLanguageName(const std::string& name) const {
    const ProfileStore stored(ConfigFilePath(), ProfileOpen::ExistingOnly);
    if (stored.ReadFailed() ||
        stored.GetString(kGlobalSection, kLanguageKey, kDefaultLanguage) == name)
        return;
    ProfileStore config(ConfigWritePath(applicationDirectory_));
    config.WriteString(kGlobalSection, kLanguageKey, name);
}

std::string LanguageTable::GetCurrentLanguageName() {
    return StoredLanguageName(true);
}

std::string LanguageTable::FileForName(std::string_view name) const {
    const std::string folder = LanguageFolder();
    for (const std::string& known : names_) {
        if (!EqualsIgnoringCase(known, name)) continue;
        std::string path = folder + "/" + known + ".lng";
        // A name found only through a file of another kind has no texts of its own.
        if (FileExists(path)) return path;
        break;
    }
    return folder + "/" + std::string(kDefaultLanguage) + ".lng";
}

void LanguageTable::SelectLanguageFile(std::string_view name) {
    filePath_ = FileForName(name.empty() ? kDefaultLanguage : name);
}

void LanguageTable::SetLanguage(std::string name) {
    if (name.empty()) name = kDefaultLanguage;
    SelectLanguageFile(name);
    StoreLanguageName(name);
}

bool LanguageTable::LoadLanguage() {
    Sections loaded;
    const bool found = !filePath_.empty() && FileExists(filePath_);
    if (found) {
        // A language file is only ever read: a missing one must not be created empty.
        ProfileStore file(filePath_, ProfileOpen::ExistingOnly);
        ProfileStore::Batch oneRead(file);
        for (std::string& sectionName : file.SectionNames()) {
            if (sectionName.empty()) continue;
            Section& section = loaded[sectionName];
            for (std::string& key : file.KeyNames(sectionName)) {
                if (key.empty() || section.contains(key)) continue;
                std::string value = file.GetString(sectionName, key, "");
                section.emplace(std::move(key), std::move(value));
            }
        }
    }
    std::unique_lock guard(lock_);
    sections_.swap(loaded);
    return found;
}

bool LanguageTable::LoadStoredLanguage() {
    ScanLanguages(LanguageFolder());
    SelectLanguageFile(StoredLanguageName(false));
    return LoadLanguage();
}

std::string LanguageTable::GetText(std::string_view section, std::string_view key) const {
    std::shared_lock guard(lock_);
    const auto found = sections_.find(section);
    if (found == sections_.end()) return {};
    const auto text = found->second.find(key);
    return text == found->second.end() ? std::string() : text->second;
}

size_t LanguageTable::SectionCount() const {
    std::shared_lock guard(lock_);
    return sections_.size();
}

std::vector<std::string> LanguageTable::KeyNames(std::string_view section) const {
    std::shared_lock guard(lock_);
    std::vector<std::string> keys;
    const auto found = sections_.find(section);
    if (found == sections_.end()) return keys;
    for (const auto& entry : found->second) keys.push_back(entry.first);
    return keys;
}

}  // namespace vitalis
