#include "shell/ReportLayouts.h"

#include <algorithm>

#include "case/ProfileStore.h"
#include "shell/LanguageTable.h"

namespace vitalis {

namespace {

constexpr std::string_view kInfo = "INFO";
constexpr std::string_view kCurrentKey = "currentReportName";
constexpr std::string_view kCountKey = "count";
constexpr std::string_view kTitleKey = "Title";

std::string ListKey(size_t position) {
    return "RP" + std::to_string(position + 1);
}

// Missing or unknown values give the defaults, which print as a layout did before the keys.
ReportGraphOptions ReadGraphOptions(const ProfileStore& file, std::string_view section) {
    ReportGraphOptions graph;
    graph.type = GraphTypeFromStored(file.GetInt(section, kGraphTypeKey, 0));
    graph.sameDisplay = file.GetInt(section, kSameDisplayKey, 0) != 0;
    graph.scaleHours = GraphScaleFromStored(file.GetInt(section, kGraphScaleKey, 0));
    return graph;
}

bool WriteGraphOptions(ProfileStore& file, std::string_view section,
                       const ReportGraphOptions& graph) {
    bool ok = file.WriteInt(section, kGraphTypeKey, static_cast<int>(graph.type));
    ok = file.WriteInt(section, kSameDisplayKey, graph.sameDisplay ? 1 : 0) && ok;
    return file.WriteInt(section, kGraphScaleKey, GraphScaleFromStored(graph.scaleHours)) && ok;
}

ReportLayout ReadLayout(const ProfileStore& file, std::string_view section,
                        std::string_view missingTitle, int pageCount) {
    ReportLayout layout = ReportLayout::Defaults();
    layout.title = file.GetString(section, kTitleKey, missingTitle);
    for (int i = 0; i < pageCount; ++i) {
        layout.pages[i] = file.GetInt(section, kReportPages[i].key, kReportPages[i].defaultOn);
    }
    // A layout stored before the clinical pages existed prints what it printed before.
    for (int i = 0; i < kClinicalPageCount; ++i)
        layout.clinicalPages[i] = file.GetInt(section, kClinicalPages[i].key, 0) != 0 ? 1 : 0;
    layout.graph = ReadGraphOptions(file, section);
    return layout;
}

bool WriteLayout(ProfileStore& file, std::string_view section, const ReportLayout& layout) {
    bool ok = file.WriteString(section, kTitleKey, layout.title);
    for (int i = 0; i < kReportPageCount; ++i) {
        ok = file.WriteInt(section, kReportPages[i].key, layout.pages[i] != 0 ? 1 : 0) && ok;
    }
    for (int i = 0; i < kClinicalPageCount; ++i) {
        const int on = layout.clinicalPages[i] != 0 ? 1 : 0;
        ok = file.WriteInt(section, kClinicalPages[i].key, on) && ok;
    }
    return WriteGraphOptions(file, section, layout.graph) && ok;
}

// The stored list of names. The count comes from the file, so it is trusted only as far as
// there are keys to back it; empty and repeated names are dropped.
std::vector<std::string> ReadNames(const ProfileStore& file) {
    const int stored = file.GetInt(kInfo, kCountKey, 0);
    const size_t keys = file.KeyNames(kInfo).size();
    const size_t count = stored > 0 ? std::min(static_cast<size_t>(stored), keys) : 0;
    std::vector<std::string> names;
    for (size_t i = 0; i < count; ++i) {
        std::string name = file.GetString(kInfo, ListKey(i), "");
        const bool known = std::any_of(names.begin(), names.end(), [&](const std::string& n) {
            return EqualsIgnoringCase(n, name);
        });
        if (!name.empty() && !known) names.push_back(std::move(name));
    }
    return names;
}

// Rewrites RP1..RPn and "count"; list keys left over from a longer list are removed.
bool WriteNames(ProfileStore& file, const std::vector<std::string>& names) {
    const int oldCount = file.GetInt(kInfo, kCountKey, 0);
    bool ok = true;
    for (size_t i = 0; i < names.size(); ++i) {
        ok = file.WriteString(kInfo, ListKey(i), names[i]) && ok;
    }
    for (size_t i = names.size(); i < static_cast<size_t>(std::max(oldCount, 0)); ++i) {
        if (!file.HasKey(kInfo, ListKey(i))) break;
        ok = file.DeleteKey(kInfo, ListKey(i)) && ok;
    }
    return file.WriteInt(kInfo, kCountKey, static_cast<int>(names.size())) && ok;
}

}  // namespace

struct ReportLayouts::Snapshot {
    std::vector<std::string> names;
    std::string currentName;
    ReportLayout current;
    ReportLayout edited;
};

ReportLayouts::Snapshot ReportLayouts::Take() const {
    return {names, currentName, current, edited};
}

void ReportLayouts::Restore(Snapshot snapshot) {
    names = std::move(snapshot.names);
    currentName = std::move(snapshot.currentName);
    current = std::move(snapshot.current);
    edited = std::move(snapshot.edited);
}

int ReportLayouts::IndexOf(std::string_view name) const {
    for (size_t i = 0; i < names.size(); ++i) {
        if (EqualsIgnoringCase(names[i], name)) return static_cast<int>(i);
    }
    return -1;
}

bool ReportLayouts::Load(const ReportTitles& titles) {
    if (filePath_.empty()) return false;
    ProfileStore file(filePath_);
    ProfileStore::Batch oneRead(file);
    currentName = file.GetString(kInfo, kCurrentKey, "");
    if (currentName.empty()) {
        current = ReportLayout::Defaults();
        current.title = titles.noneCurrent;
    } else {
        current = ReadLayout(file, currentName, titles.missingTitle, kEditablePageCount);
    }
    // The list is read even when no layout is current: the next save writes it back, and
    // an unread list would be saved as empty.
    names = ReadNames(file);
    return true;
}

bool ReportLayouts::Save() {
    if (filePath_.empty()) return false;
    ProfileStore file(filePath_);
    ProfileStore::Batch batch(file);
    bool ok = file.WriteString(kInfo, kCurrentKey, currentName);
    // A name that cannot be a layout's own section (a damaged file) gets no section written.
    if (UsableLayoutName(currentName)) ok = WriteLayout(file, currentName, current) && ok;
    ok = WriteNames(file, names) && ok;
    if (!ok) {
        batch.Abandon();
        return false;
    }
    return batch.Commit();
}

bool ReportLayouts::LoadSection(std::string_view name) {
    if (filePath_.empty() || name.empty()) return false;
    ProfileStore file(filePath_);
    ProfileStore::Batch oneRead(file);
    edited = ReadLayout(file, name, "", kReportPageCount);
    return true;
}

bool ReportLayouts::SaveSection(std::string_view name) {
    if (filePath_.empty() || !UsableLayoutName(name)) return false;
    ProfileStore file(filePath_);
    ProfileStore::Batch batch(file);
    if (!WriteLayout(file, name, edited)) {
        batch.Abandon();
        return false;
    }
    if (!batch.Commit()) return false;
    if (!currentName.empty() && EqualsIgnoringCase(name, currentName)) current = edited;
    return true;
}

bool ReportLayouts::Add(std::string_view name) {
    if (filePath_.empty() || !UsableLayoutName(name) || IndexOf(name) >= 0) return false;
    ProfileStore file(filePath_);
    ProfileStore::Batch batch(file);
    names.emplace_back(name);
    const bool ok = file.WriteString(kInfo, ListKey(names.size() - 1), names.back()) &&
                    file.WriteInt(kInfo, kCountKey, static_cast<int>(names.size()));
    if (ok && batch.Commit()) return true;
    batch.Abandon();
    names.pop_back();
    return false;
}

bool ReportLayouts::Delete(std::string_view name, const ReportTitles& titles) {
    const int index = IndexOf(name);
    if (filePath_.empty() || index < 0) return false;
    Snapshot before = Take();
    const std::string section = names[index];
    names.erase(names.begin() + index);
    if (EqualsIgnoringCase(section, currentName)) {
        currentName.clear();
        current = ReportLayout::Defaults();
        current.title = titles.noneCurrent;
    }
    ProfileStore file(filePath_);
    ProfileStore::Batch batch(file);
    bool ok = file.DeleteSection(section);
    ok = file.WriteString(kInfo, kCurrentKey, currentName) && ok;
    ok = WriteNames(file, names) && ok;
    if (ok && batch.Commit()) return true;
    batch.Abandon();
    Restore(std::move(before));
    return false;
}

bool ReportLayouts::SetCurrent(std::string_view name, const ReportTitles& titles) {
    if (filePath_.empty() || (!name.empty() && IndexOf(name) < 0)) return false;
    ProfileStore file(filePath_);
    ProfileStore::Batch batch(file);
    const std::string chosen = name.empty() ? std::string() : names[IndexOf(name)];
    if (!file.WriteString(kInfo, kCurrentKey, chosen) || !batch.Commit()) {
        batch.Abandon();
        return false;
    }
    currentName = chosen;
    if (chosen.empty()) {
        current = ReportLayout::Defaults();
        current.title = titles.noneCurrent;
    } else {
        current = ReadLayout(file, chosen, titles.missingTitle, kEditablePageCount);
    }
    return true;
}

void ReportLayouts::ResetDefaults() {
    current = ReportLayout::Defaults();
    edited = ReportLayout::Defaults();
}

}  // namespace vitalis
