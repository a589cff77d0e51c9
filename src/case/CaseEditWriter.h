#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "case/CaseEditState.h"
#include "case/Measurement.h"

namespace vitalis {

class ProfileStore;

// Sets the exclusion mark (character 22) of reading key `number` and writes its remark key.
// Values, times and status codes of the reading text stay as they are.
bool WriteReadingMark(ProfileStore& store, std::string_view testSection, int number, bool excluded,
                      std::string_view remark);

// Writes what differs between the saved state and the current one, and the history lines,
// into the case file in one atomic replace: all of it, or (false) none of it. Keys of
// readings, sheet or sleep period that did not change are left exactly as they are.
bool WriteCaseEdits(const std::string& casePath, const CaseEditState& saved,
                    const CaseEditState& now, const std::vector<std::string>& historyLines);

}  // namespace vitalis
