#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "case/AnalysisResults.h"
#include "case/CalendarTime.h"
#include "case/CaseReadError.h"
#include "case/Diary.h"
#include "case/Measurement.h"
#include "case/MonitorSchedule.h"
#include "case/OfficePressure.h"
#include "case/PatientIdentity.h"
#include "case/ThresholdSettings.h"

namespace vitalis {

class ProfileStore;

// One ambulatory test of one patient as held in memory: patient, physician notes, how the
// monitor was programmed, when the test began, and its readings. The document owns one for
// its whole life; opening another case file reloads the same object.
class Recording {
  public:
    Recording() = default;
    virtual ~Recording() = default;
    Recording(const Recording&) = default;
    Recording& operator=(const Recording&) = default;

    // Reads the case file named by casePath. A failed load leaves what it had read so far;
    // the caller treats the recording as not open.
    virtual bool Load();
    // Writes every reading's exclusion mark and remark back into the case file.
    virtual bool SaveEdits();

    // Patient ("PATIENT DATA").
    PatientIdentity patient;
    std::string address;
    std::string race;
    int height = 0;
    int weight = 0;
    int age = 0;
    std::string phone;
    // "OfficeSys" / "OfficeDia": absent in most files.
    std::optional<OfficePressure> office;

    // Test ("TEST n").
    std::string medications;
    std::string clinicalInterpretation;
    std::string referringPhysician;
    std::string interpretingPhysician;
    std::string comments;
    std::string outpatientNo;
    std::string admissionNo;
    std::string bedNo;
    std::string departmentNo;
    std::string email;
    int measurementCount = 0;
    ClockTime testBegin;
    // The sleep period the analysis divides the day by ("Awake Time", "Asleep Time"), minutes
    // of the day; it starts as the monitor's schedule and the user may move it.
    int awakeStart = 0;
    int asleepStart = 0;
    // How the monitor was programmed.
    MonitorSchedule schedule;

    // The patient's diary ("DIARY"): empty in most files.
    Diary diary;

    // Bookkeeping.
    std::string casePath;
    ClockTime recordingEnd;  // zeros until a load with a long file name sets it
    bool multiDay = false;
    // What the last load found wrong but could mend (a value out of range), in English for
    // the command line's error output.
    std::vector<std::string> warnings;
    // Why the last load failed, when the file is at fault (none after a load that succeeded).
    CaseReadError readError;

    // The configuration's thresholds, referred to rather than copied so that a change in the
    // configuration takes effect without reloading. Null means the defaults.
    const ThresholdSettings* thresholdSource = nullptr;
    const ThresholdSettings& thresholds() const;

    // What the last analysis of the readings found; the views and the report read it.
    AnalysisResults analysis;

    const std::vector<Measurement>& allMeasurements() const { return all_; }
    const std::vector<Measurement>& plausibleMeasurements() const { return plausible_; }
    const std::vector<Measurement>& validMeasurements() const { return valid_; }
    // The measurement editor changes only valid and remark through this.
    std::vector<Measurement>& editableMeasurements() { return all_; }
    void SetValidMeasurements(std::vector<Measurement> valid) { valid_ = std::move(valid); }
    // After marks changed: the plausible readings whose valid mark is set, again.
    void RebuildValidMeasurements();
    // Appends a reading to the lists it belongs in, as loading does.
    void AddMeasurement(Measurement m);
    void ClearMeasurements();

  private:
    int HalfHourEntry(const ProfileStore& store, const std::string& test, std::string_view key,
                      int fallback);

    std::vector<Measurement> all_;
    std::vector<Measurement> plausible_;
    std::vector<Measurement> valid_;
};

// True when the readings span more than 72 whole hours (first to last), counted the way the
// periods of the analysis are.
bool SpansMoreThan72Hours(const ClockTime& first, const ClockTime& last);

// The file name between the last folder separator and the last dot.
std::string CaseFileStem(const std::string& path);

}  // namespace vitalis
