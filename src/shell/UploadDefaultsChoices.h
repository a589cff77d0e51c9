#pragma once

#include "device/session/UploadChoices.h"
#include "shell/AppConfig.h"

namespace vitalis {

// The configuration keeps the patient and the awake and asleep schedule of the last
// programming run as the next run's defaults; the special period and the start key are
// chosen afresh each time.
UploadChoices ChoicesFromDefaults(const UploadDefaults& defaults);
void KeepAsDefaults(const UploadChoices& choices, UploadDefaults& defaults);

}  // namespace vitalis
