#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shell/ReportLayout.h"

namespace vitalis {

// The titles a layout gets when its file does not give one.
struct ReportTitles {
    std::string noneCurrent;   // no layout is current (the language's default title)
    std::string missingTitle;  // the current layout's section has no "Title"
};

// The report layouts of one configuration, kept in "Report_<configuration>.ini":
//   [INFO] currentReportName=<name>, count=<n>, RP1..RPn=<names in list order>
//   [<name>] Title=<title>, one 0/1 key per page kind, and the trend pages' options:
//            Graph Type=<0 line, 1 strip>, Same Display=<0/1>, Graph Scale=<hours, 0 automatic>.
//
// Two layouts are held in memory: `current`, the layout in force that the report prints,
// and `edited`, the one open in the layout editor. Keeping them apart means editing a layout
// that is not current never leaks into the current one (nor into its section at exit).
//
// Every operation returns false when it could not do its work; the layouts in memory are
// then as they were before the call.
class ReportLayouts {
  public:
    void SetFilePath(std::string path) { filePath_ = std::move(path); }
    const std::string& filePath() const { return filePath_; }

    std::vector<std::string> names;  // the stored layouts, in list order
    std::string currentName;         // empty when no layout is current
    ReportLayout current = ReportLayout::Defaults();
    ReportLayout edited = ReportLayout::Defaults();

    // Reads the current layout (the first eleven page kinds) and the list of names.
    bool Load(const ReportTitles& titles);
    // Writes the current layout's name, title and pages and the list of names.
    bool Save();
    // Reads a layout's title (empty when missing) and every page flag into `edited`.
    bool LoadSection(std::string_view name);
    // Writes `edited` as the named layout; when that is the current one, it takes effect.
    bool SaveSection(std::string_view name);
    // Appends a new name to the list (refused when unusable or already there).
    bool Add(std::string_view name);
    // Removes a layout and its section; when it was current, none is current afterwards.
    bool Delete(std::string_view name, const ReportTitles& titles);
    // Makes a listed layout (or none, for an empty name) current and reads it as Load does.
    bool SetCurrent(std::string_view name, const ReportTitles& titles);
    // Empty titles and default pages, for current and edited alike.
    void ResetDefaults();

    // Where a name stands in the list, letter case ignored as the file does; -1 if absent.
    int IndexOf(std::string_view name) const;

  private:
    struct Snapshot;
    Snapshot Take() const;
    void Restore(Snapshot snapshot);

    std::string filePath_;
};

}  // namespace vitalis
