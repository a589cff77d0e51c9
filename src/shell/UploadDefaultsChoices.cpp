#include "shell/UploadDefaultsChoices.h"

namespace vitalis {

UploadChoices ChoicesFromDefaults(const UploadDefaults& d) {
    UploadChoices c;
    c.patientName = d.patient.name;
    c.patientId = d.patient.id;
    c.awakeTime = d.awakeTime;
    c.awakeSpan = d.awakeSpan;
    c.asleepTime = d.asleepTime;
    c.asleepSpan = d.asleepSpan;
    return WithinLists(std::move(c));
}

void KeepAsDefaults(const UploadChoices& c, UploadDefaults& d) {
    d.patient.name = c.patientName;
    d.patient.id = c.patientId;
    d.awakeTime = c.awakeTime;
    d.awakeSpan = c.awakeSpan;
    d.asleepTime = c.asleepTime;
    d.asleepSpan = c.asleepSpan;
}

}  // namespace vitalis
