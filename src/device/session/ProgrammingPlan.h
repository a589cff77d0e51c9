#pragma once

#include "device/session/UploadChoices.h"

namespace vitalis {

// What a schedule means for the patient's day, so the clinician sees it before the monitor is
// programmed: how long each period lasts and how many readings a day of it gives.
struct ProgrammingPlan {
    int awakeMinutes = 0;  // of a 24-hour day, the special period included where it falls
    int asleepMinutes = 0;
    int specialMinutes = 0;  // 0 without a special period
    int awakeReadings = 0;   // in 24 hours
    int asleepReadings = 0;
    int specialReadings = 0;
    bool awakeWithoutReadings = false;  // the period lasts but has no interval
    bool asleepWithoutReadings = false;
    bool specialEndsBeforeItBegins = false;  // begin and end chosen, end not after begin
    int ReadingsPerDay() const { return awakeReadings + asleepReadings + specialReadings; }
};

// Walks one day of the schedule minute by minute: a period takes its first reading when it
// begins and one every interval after; inside the special period its own interval counts.
ProgrammingPlan PlanOf(const UploadChoices& choices);

// What a new programming run starts with: never the previous patient (a monitor programmed
// with another patient's name files every reading under that name), and the last schedule,
// except that a schedule nobody ever chose (no awake interval, the 5-minute asleep default)
// becomes readings every 15 minutes awake and every 30 minutes asleep.
UploadChoices FreshProgrammingChoices(const UploadChoices& stored);

}  // namespace vitalis
