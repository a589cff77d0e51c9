#pragma once

#include <string>

namespace vitalis {

// Everything an upload programs into a monitor, as the parameter dialog confirms it. Times
// are minutes of the day with their hour and minute; intervals are minutes, and a value
// below 1 means "no measurements" (the dialog's "none" stores -2).
struct UploadSettings {
    std::string patientName;  // UTF-8; sent as single-byte characters
    std::string patientId;
    int awakeStart = 7 * 60;
    int awakeHour = 7;
    int awakeMin = 0;
    int awakeInterval = 15;
    int asleepStart = 22 * 60;
    int asleepHour = 22;
    int asleepMin = 0;
    int asleepInterval = 30;
    // No special period: start and end (and their hours and minutes) -1, interval 0.
    int specialStart = -1;
    int specialStartHour = -1;
    int specialStartMin = -1;
    int specialInterval = 0;
    int specialEnd = -1;
    int specialEndHour = -1;
    int specialEndMin = -1;
    // The start key: 1 lets the patient start a reading by the key, 0xFF locks it.
    int optionA = 1;
    // Reserved for a later setting of the monitor; always 0 for now.
    int optionB = 0;

    bool HasSpecialPeriod() const { return specialStart >= 0 && specialEnd >= 0; }
};

}  // namespace vitalis
