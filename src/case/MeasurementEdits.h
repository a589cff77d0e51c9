#pragma once

#include <string>
#include <vector>

#include "case/Recording.h"

namespace vitalis {

// The measurement list's pending changes: an exclusion mark and a remark per reading of the
// recording, applied only when the clinician confirms. Cancel simply drops the object.
class MeasurementEdits {
  public:
    explicit MeasurementEdits(const Recording& recording);

    int size() const { return static_cast<int>(rows_.size()); }
    bool IsExcluded(int row) const { return rows_.at(row).excluded; }
    const std::string& Remark(int row) const { return rows_.at(row).remark; }
    int ExcludedCount() const;
    std::string HeaderText() const;  // the exclusion column's title

    // A click on the mark: excludes a counted reading, or takes an excluded one back in, but
    // only when it is plausible: a failed reading cannot be counted. True when it changed.
    bool ToggleExclusion(int row);
    void SetRemark(int row, std::string remark);

    // Writes the marks and remarks into the recording's readings (valid is 1 exactly when not
    // excluded). Returns the number of readings left counting.
    int Apply(Recording& recording) const;

  private:
    struct Row {
        bool excluded = false;
        std::string remark;
        bool plausible = false;
    };
    std::vector<Row> rows_;
};

}  // namespace vitalis
