#pragma once

#include <string>

#include "analysis/clinical/GuidelineProfile.h"
#include "case/Recording.h"
#include "case/TextSource.h"

namespace vitalis::fhir {

// Writes a loaded recording as one FHIR bundle file: the patient facts read from its case
// file, fresh random identities, the analysed readings (every reading with `allReadings`)
// and a conclusion judged by `guideline`. False when the file could not be written; an
// earlier file of that name then stays as it was.
bool ExportBundleFile(const Recording& recording, const clinical::GuidelineProfile& guideline,
                      bool allReadings, const TextSource& texts, const std::string& path);

}  // namespace vitalis::fhir
