#include "case/CaseWriter.h"

#include <charconv>
#include <cstdio>

#include "case/CaseFileKeys.h"
#include "case/FileAccess.h"
#include "case/ProfileStore.h"
#include "case/ReadingText.h"
#include "case/ResultCodes.h"

namespace vitalis {
namespace {

using namespace casekeys;
constexpr std::string_view kFirstTest = "TEST 1";

bool PrepareFolder(const std::string& path) {
    return CreateFolders(ParentFolder(path));
}

}  // namespace

void WriteTestBegin(ProfileStore& store, std::string_view test, const ClockTime& begin,
                    bool twoDigitHour) {
    store.WriteString(test, "TestBeginDate", TestBeginDisplayText(begin, twoDigitHour));
    store.WriteInt(test, "YearBegin", begin.year);
    store.WriteInt(test, "MonthBegin", begin.month);
    store.WriteInt(test, "DayBegin", begin.day);
    store.WriteInt(test, "HourBegin", begin.hour);
    store.WriteInt(test, "MinBegin", begin.minute);
}

std::string TestBeginDisplayText(const ClockTime& begin, bool twoDigitHour) {
    char text[64];
    std::snprintf(text, sizeof text, twoDigitHour ? "%d/%d/%d %02d:%02d" : "%d/%d/%d %d:%02d",
                  begin.day, begin.month, begin.year, begin.hour, begin.minute);
    return text;
}

CaseFileWriter::CaseFileWriter(const std::string& path, bool startEmpty)
    : folderReady_(PrepareFolder(path)), store_(path, ProfileOpen::ExistingOnly), batch_(store_) {
    if (!folderReady_) batch_.Abandon();
    if (startEmpty) {
        for (const std::string& section : store_.SectionNames()) store_.DeleteSection(section);
    }
}

void CaseFileWriter::AddReadings(const std::vector<Measurement>& readings,
                                 const TextSource& texts) {
    // All keys and values in one buffer first, then handed over as views in one write.
    std::string buffer;
    buffer.reserve(readings.size() * 48);
    std::vector<std::pair<size_t, size_t>> spans;  // begin, length in buffer
    spans.reserve(readings.size() * 4);
    const auto add = [&](auto&& write) {
        const size_t begin = buffer.size();
        write();
        spans.emplace_back(begin, buffer.size() - begin);
    };
    const auto number = [&](int value) {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        buffer.append(digits, end);
    };
    int k = 0;
    for (const Measurement& m : readings) {
        ++k;
        add([&] { number(k); });
        add([&] { AppendReadingText(buffer, m); });
        add([&] { buffer += 'C', number(k); });
        add([&] { buffer += FailureText(m.status, texts); });
    }
    std::vector<ProfileStore::KeyValue> entries;
    entries.reserve(spans.size() / 2 + 1);
    const auto view = [&](size_t i) {
        return std::string_view(buffer).substr(spans[i].first, spans[i].second);
    };
    for (size_t i = 0; i + 1 < spans.size(); i += 2) entries.emplace_back(view(i), view(i + 1));
    const std::string count = std::to_string(k);
    entries.emplace_back("Count", count);
    store_.WriteStrings(kFirstTest, entries);
}

void CaseFileWriter::AddHeader(const CaseHeader& h) {
    ProfileStore& store = store_;
    store.WriteString(kPatientSection, "Name", h.patient.name);
    store.WriteString(kPatientSection, "ID", h.patient.id);
    store.WriteInt(kPatientSection, kTestCount, 1);
    const std::pair<std::string_view, int> settings[] = {
        {"DeviceType", h.deviceType},
        {"ProtocolVersion", h.protocolVersion},
        {"IsDisplay", h.isDisplay},
        {"AutoMode", h.autoMode},
    };
    for (const auto& [key, value] : settings) store.WriteInt(kFirstTest, key, value);
    // Without a schedule the keys are all 0, as downloads have always written them.
    const ScheduleBytes schedule = h.schedule ? ScheduleToBytes(*h.schedule) : ScheduleBytes{};
    for (size_t i = 0; i < schedule.size(); ++i)
        store.WriteInt(kFirstTest, kScheduleKeys[i], schedule[i]);
    store.WriteInt(kFirstTest, "TimePeriod", h.timePeriod);
    WriteTestBegin(store, kFirstTest, h.testBegin, h.writesMonitorType);
    const int awakeStart = h.schedule ? h.schedule->awake.start.minutes() : 0;
    const int asleepStart = h.schedule ? h.schedule->asleep.start.minutes() : 0;
    store.WriteInt(kFirstTest, "Awake Time", awakeStart / 30);
    store.WriteInt(kFirstTest, "Asleep Time", asleepStart / 30);
    const bool secondGeneration = h.deviceType == 3 || h.deviceType == 4;
    if (h.writesMonitorType) store.WriteString(kPatientSection, "Type", "Heron");
    store.WriteString(kPatientSection, "BTH_ADDR",
                      h.writesMonitorType ? h.monitorAddress
                      : secondGeneration  ? "000000000201"
                                          : "000000000101");
}

bool CaseFileWriter::Commit() {
    if (!folderReady_) batch_.Abandon();
    return folderReady_ && batch_.Commit();
}

std::optional<StagedFile> CaseFileWriter::Stage() {
    if (!folderReady_) {
        batch_.Abandon();
        return {};
    }
    return batch_.Stage();
}

bool WriteReadings(const std::string& path, const std::vector<Measurement>& readings,
                   const TextSource& texts) {
    CaseFileWriter writer(path);
    writer.AddReadings(readings, texts);
    return writer.Commit();
}

bool WriteHeader(const std::string& path, const CaseHeader& header) {
    CaseFileWriter writer(path);
    writer.AddHeader(header);
    return writer.Commit();
}

}  // namespace vitalis
