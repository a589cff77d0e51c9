#include "case/MeasurementEdits.h"

#include "case/ReadingColumns.h"

namespace vitalis {

MeasurementEdits::MeasurementEdits(const Recording& recording) {
    for (const Measurement& m : recording.allMeasurements()) {
        rows_.push_back({m.valid == 0, m.remark, IsPlausible(m)});
    }
}

int MeasurementEdits::ExcludedCount() const {
    int count = 0;
    for (const Row& row : rows_) count += row.excluded ? 1 : 0;
    return count;
}

std::string MeasurementEdits::HeaderText() const {
    return ExclusionHeaderText(ExcludedCount(), size());
}

bool MeasurementEdits::ToggleExclusion(int row) {
    Row& r = rows_.at(row);
    if (!r.excluded) {
        r.excluded = true;
        return true;
    }
    if (!r.plausible) return false;
    r.excluded = false;
    return true;
}

void MeasurementEdits::SetRemark(int row, std::string remark) {
    rows_.at(row).remark = std::move(remark);
}

int MeasurementEdits::Apply(Recording& recording) const {
    std::vector<Measurement>& readings = recording.editableMeasurements();
    int counting = 0;
    // The list and the recording agree in length unless the recording was reloaded
    // underneath; then stop at the first row that has no reading.
    for (size_t i = 0; i < rows_.size() && i < readings.size(); ++i) {
        readings[i].remark = rows_[i].remark;
        readings[i].valid = rows_[i].excluded ? 0 : 1;
        counting += rows_[i].excluded ? 0 : 1;
    }
    recording.RebuildValidMeasurements();
    return counting;
}

}  // namespace vitalis
