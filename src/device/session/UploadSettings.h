#pragma once

#include "case/MonitorSchedule.h"
#include "case/PatientIdentity.h"

namespace vitalis {

// Everything an upload programs into a monitor, as the parameter dialog confirms it. A
// monitor takes only the patient's name and ID (sent as single-byte characters).
struct UploadSettings {
    PatientIdentity patient;
    MonitorSchedule schedule;
    // The start key: 1 lets the patient start a reading by the key, 0xFF locks it.
    int optionA = 1;
    // Reserved for a later setting of the monitor; always 0 for now.
    int optionB = 0;
};

}  // namespace vitalis
