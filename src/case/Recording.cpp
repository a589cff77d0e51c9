#include "case/Recording.h"

#include <algorithm>
#include <optional>

#include "case/CaseEditWriter.h"
#include "case/CaseFileKeys.h"
#include "case/ProfileStore.h"
#include "case/ReadingText.h"

namespace vitalis {
namespace {

using namespace casekeys;

// The schedule keys of a test section. A file without them was programmed 07:00 awake and
// 22:00 asleep, and says nothing of intervals or a special period.
MonitorSchedule ReadSchedule(const ProfileStore& store, const std::string& test) {
    const MonitorSchedule unstated{{{7, 0}, {}}, {{22, 0}, {}}, {}};
    const ScheduleBytes fallback = ScheduleToBytes(unstated);
    ScheduleBytes bytes{};
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = store.GetInt(test, kScheduleKeys[i], fallback[i]);
    return ScheduleFromBytes(bytes);
}

bool ChronologicalOrder(const std::vector<Measurement>& readings) {
    for (size_t i = 1; i < readings.size(); ++i) {
        if (MinutesOf(readings[i].Clock()) < MinutesOf(readings[i - 1].Clock())) return false;
    }
    return true;
}

// The test section named by "Test Count", or nothing when the file has none.
std::optional<std::string> FindTestSection(const ProfileStore& store) {
    const std::string count = store.GetString(kPatientSection, kTestCount, kNoString);
    if (count == kNoString) return {};
    return TestSection(count);
}

}  // namespace

const ThresholdSettings& Recording::thresholds() const {
    static const ThresholdSettings defaults;
    return thresholdSource ? *thresholdSource : defaults;
}

void Recording::AddMeasurement(Measurement m) {
    if (IsPlausible(m)) {
        plausible_.push_back(m);
        if (m.valid == 1) valid_.push_back(m);
    }
    all_.push_back(std::move(m));
}

void Recording::RebuildValidMeasurements() {
    plausible_.clear();
    valid_.clear();
    for (const Measurement& m : all_) {
        if (!IsPlausible(m)) continue;
        plausible_.push_back(m);
        if (m.valid == 1) valid_.push_back(m);
    }
}

void Recording::ClearMeasurements() {
    all_.clear();
    plausible_.clear();
    valid_.clear();
}

bool SpansMoreThan72Hours(const ClockTime& first, const ClockTime& last) {
    const double days = static_cast<double>(MinutesOf(last) - MinutesOf(first)) / 1440.0;
    const auto hours = static_cast<long long>(days * 24.0 + 1.0 / 172800.0);
    return hours > 72;
}

std::string CaseFileStem(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    const size_t begin = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = path.find_last_of('.');
    const size_t end = (dot == std::string::npos || dot < begin) ? path.size() : dot;
    return path.substr(begin, end - begin);
}

// The half hour of the day (0..47) a period starts in. A value outside is clamped into the
// day, with a warning, so that no analysis divides the day at a time that does not exist.
int Recording::HalfHourEntry(const ProfileStore& store, const std::string& test,
                             std::string_view key, int fallback) {
    const int stored = store.GetInt(test, key, fallback);
    const int clamped = std::clamp(stored, 0, 47);
    if (clamped != stored) {
        warnings.push_back("\"" + std::string(key) + "\" = " + std::to_string(stored) +
                           " is not a half hour of the day (0..47); " + std::to_string(clamped) +
                           " is used");
    }
    return clamped;
}

bool Recording::Load() {
    const bool longName = CaseFileStem(casePath).size() > 2;
    ClearMeasurements();
    warnings.clear();
    // A missing file fails the load; it is never created by looking at it.
    readError = ProbeCaseFile(casePath);
    if (readError) return false;
    ProfileStore store(casePath, ProfileOpen::ExistingOnly);
    ProfileStore::Batch batch(store);
    const auto section = FindTestSection(store);
    if (!section) {
        readError = CheckCaseContent(store);
        return false;
    }
    const std::string& test = *section;

    patient = ReadPatientIdentity(store);
    address = store.GetString(kPatientSection, "Addr", "");
    race = store.GetString(kPatientSection, "Race", "");
    height = store.GetInt(kPatientSection, "Height", 0);
    weight = store.GetInt(kPatientSection, "Weight", 0);
    age = store.GetInt(kPatientSection, "Age", 0);
    phone = store.GetString(kPatientSection, "Phone", "");
    office = OfficePressureOf(store.GetInt(kPatientSection, "OfficeSys", 0),
                              store.GetInt(kPatientSection, "OfficeDia", 0));

    schedule = ReadSchedule(store, test);
    awakeStart = HalfHourEntry(store, test, "Awake Time", 14) * 30;
    asleepStart = HalfHourEntry(store, test, "Asleep Time", 44) * 30;
    measurementCount = store.GetInt(test, "Count", 0);
    medications = store.GetString(test, "Medications", "");
    clinicalInterpretation = store.GetString(test, "Clinical Interp", "");
    referringPhysician = store.GetString(test, "ReferringPhys", "");
    interpretingPhysician = store.GetString(test, "InterprettingPhys", "");
    comments = store.GetString(test, "Comments", "");
    outpatientNo = store.GetString(test, "OutpatientNo", "");
    admissionNo = store.GetString(test, "AdmissionNo", "");
    bedNo = store.GetString(test, "BedNo", "");
    departmentNo = store.GetString(test, "DepartmentNo", "");
    email = store.GetString(test, "Email", "");
    diary = ReadDiary(store, warnings);

    readError = CheckCaseContent(store);
    if (readError) return false;
    testBegin = {store.GetInt(test, "YearBegin", -1), store.GetInt(test, "MonthBegin", -1),
                 store.GetInt(test, "DayBegin", -1), store.GetInt(test, "HourBegin", -1),
                 store.GetInt(test, "MinBegin", -1)};
    if (!IsValidClockTime(testBegin) || measurementCount < 0 || measurementCount > kMaxReadings) {
        readError.fault = CaseFault::NotCaseFile;
        return false;
    }

    all_.reserve(static_cast<size_t>(measurementCount));
    for (int k = 1; k <= measurementCount; ++k) {
        Measurement m =
            ParseReadingText(store.GetString(test, ReadingKey(k), ""), k - 1, testBegin);
        m.remark = store.GetString(test, RemarkKey(k), "");
        AddMeasurement(std::move(m));
    }

    if (longName && !all_.empty()) recordingEnd = all_.back().Clock();
    if (!longName || !ChronologicalOrder(plausible_)) {
        multiDay = true;
    } else if (plausible_.empty()) {
        multiDay = false;
    } else {
        multiDay = SpansMoreThan72Hours(plausible_.front().Clock(), plausible_.back().Clock());
    }
    return static_cast<int>(all_.size()) == measurementCount;
}

bool Recording::SaveEdits() {
    ProfileStore store(casePath, ProfileOpen::ExistingOnly);
    ProfileStore::Batch batch(store);
    const auto section = FindTestSection(store);
    if (!section) return false;
    for (size_t i = 0; i < all_.size(); ++i) {
        // By the reading's own key number: a recording picked out of a monthly file holds only
        // some of the file's readings.
        const int k = all_[i].index + 1;
        if (k < 1) continue;
        WriteReadingMark(store, *section, k, all_[i].valid != 1, all_[i].remark);
    }
    return batch.Commit();
}

}  // namespace vitalis
