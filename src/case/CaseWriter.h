#pragma once

#include <optional>
#include <string>
#include <vector>

#include "case/CalendarTime.h"
#include "case/Measurement.h"
#include "case/MonitorSchedule.h"
#include "case/PatientIdentity.h"
#include "case/ProfileStore.h"
#include "case/TextSource.h"

namespace vitalis {

// What a download knows about the test besides its readings.
struct CaseHeader {
    // A monitor knows only the patient's name and ID; the file gets those two.
    PatientIdentity patient;
    int deviceType = 0;
    int protocolVersion = 0;
    int isDisplay = 0;
    int autoMode = 0;
    // Nothing when the monitor reported none; its awake and asleep starts are also the sleep
    // period the analysis first divides by.
    std::optional<MonitorSchedule> schedule;
    int timePeriod = 0;
    ClockTime testBegin;
    // The Heron protocol stores the monitor's type and its own address; the others store a
    // fixed address chosen by device type.
    bool writesMonitorType = false;
    std::string monitorAddress;
};

// Writes a downloaded case file. The missing folders of the path are created first; when
// that fails nothing is written and the caller tells the user ("IDS_FAILEDFILE"). Everything
// added reaches the file in one atomic replace at Commit, so a case file never exists with
// its readings but without its header.
class CaseFileWriter {
  public:
    // startEmpty: the file's old content is dropped (a new download of the same name).
    explicit CaseFileWriter(const std::string& path, bool startEmpty = false);

    // The readings in "TEST 1": key k and its remark key Ck for each, then "Count". The
    // remark of a reading is the failure text of its result code in the current language.
    // Adding the header first is faster: the readings then go in with one bulk write.
    void AddReadings(const std::vector<Measurement>& readings, const TextSource& texts);
    // The patient and test keys, in the order the monitor's programmes are read back.
    void AddHeader(const CaseHeader& header);
    bool Commit();
    // Instead of Commit: the new content staged beside the file, to be installed with others.
    std::optional<StagedFile> Stage();

  private:
    bool folderReady_;
    ProfileStore store_;
    ProfileStore::Batch batch_;
};

// The two writers one at a time, each in its own atomic replace.
bool WriteReadings(const std::string& path, const std::vector<Measurement>& readings,
                   const TextSource& texts);
bool WriteHeader(const std::string& path, const CaseHeader& header);

// "TestBeginDate" (TestBeginDisplayText) and the begin's fields, into the test section.
void WriteTestBegin(ProfileStore& store, std::string_view test, const ClockTime& begin,
                    bool twoDigitHour);

// "%d/%d/%d %s": day, month, year, then the time as "%d:%02d" (or "%02d:%02d" when the
// protocol stores the monitor type).
std::string TestBeginDisplayText(const ClockTime& begin, bool twoDigitHour);

}  // namespace vitalis
