#pragma once

#include <string>
#include <string_view>

#include "case/Recording.h"

namespace vitalis {

// Where an export of the recording is suggested to go: beside its case file (the current
// folder for a recording not from a file), named after the patient (the name, else the ID,
// else "case") and the test date, e.g. "Ada Lovelace_2026-03-01.json". Characters a file
// name cannot hold become "_". `extension` is given without the dot.
std::string SuggestedExportPath(const Recording& recording, std::string_view extension);

}  // namespace vitalis
