#include "shell/UploadDefaultsChoices.h"

namespace vitalis {

UploadChoices ChoicesFromDefaults(const UploadDefaults& d) {
    UploadChoices c;
    c.patientName = d.patientName;
    c.patientId = d.patientId;
    c.awakeTime = d.awakeTime;
    c.awakeSpan = d.awakeSpan;
    c.asleepTime = d.asleepTime;
    c.asleepSpan = d.asleepSpan;
    return WithinLists(std::move(c));
}

void KeepAsDefaults(const UploadChoices& c, UploadDefaults& d) {
    d.patientName = c.patientName;
    d.patientId = c.patientId;
    d.awakeTime = c.awakeTime;
    d.awakeSpan = c.awakeSpan;
    d.asleepTime = c.asleepTime;
    d.asleepSpan = c.asleepSpan;
}

}  // namespace vitalis
