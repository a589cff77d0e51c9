#include "interop/FhirExport.h"

#include "interop/FhirBundle.h"

namespace vitalis::fhir {

bool ExportBundleFile(const Recording& recording, const clinical::GuidelineProfile& guideline,
                      bool allReadings, const TextSource& texts, const std::string& path) {
    ExportOptions options;
    options.allReadings = allReadings;
    options.guideline = &guideline;
    RandomUuids uuids;
    return WriteBundle(path, BuildBundle(recording, options, uuids, texts));
}

}  // namespace vitalis::fhir
