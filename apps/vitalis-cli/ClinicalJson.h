#pragma once

#include "RecordingJson.h"
#include "analysis/clinical/ClinicalBlock.h"

namespace vitalis::cli {

// The clinical block as the "clinical" member of analyze: every figure that could not be
// computed is null.
Json ClinicalJson(const clinical::ClinicalBlock& block);

}  // namespace vitalis::cli
