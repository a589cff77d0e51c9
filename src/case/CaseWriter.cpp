#include "case/CaseWriter.h"

#include <charconv>
#include <cstdio>
#include <map>

#include "case/CaseFileKeys.h"
#include "case/FileAccess.h"
#include "case/ProfileStore.h"
#include "case/ReadingText.h"
#include "case/ResultCodes.h"

namespace vitalis {
namespace {

using namespace casekeys;
constexpr std::string_view kFirstTest = "TEST 1";

bool PrepareFolder(const std::string& path) { return CreateFolders(ParentFolder(path)); }

void WriteTestBegin(ProfileStore& store, std::string_view test, const ClockTime& begin,
                    bool twoDigitHour) {
    store.WriteString(test, "TestBeginDate", TestBeginDisplayText(begin, twoDigitHour));
    store.WriteInt(test, "YearBegin", begin.year);
    store.WriteInt(test, "MonthBegin", begin.month);
    store.WriteInt(test, "DayBegin", begin.day);
    store.WriteInt(test, "HourBegin", begin.hour);
    store.WriteInt(test, "MinBegin", begin.minute);
}

void StartMonthFile(ProfileStore& store, const CaseHeader& header, const ClockTime& begin) {
    store.WriteString(kPatientSection, "Name", header.patientName);
    store.WriteString(kPatientSection, "ID", header.patientId);
    store.WriteString(kPatientSection, kTestCount, "1");
    store.WriteString(kPatientSection, "BTH_ADDR", header.monitorAddress);
    store.WriteString(kPatientSection, "Type", "Heron");
    WriteTestBegin(store, kFirstTest, begin, true);
    store.WriteString(kFirstTest, "StartCount", "0");
}

std::string MonthFilePath(const std::string& folder, const ClockTime& clock) {
    return folder + "/" + std::to_string(clock.year) + "/" + std::to_string(clock.month) + ".awp";
}

}  // namespace

std::string TestBeginDisplayText(const ClockTime& begin, bool twoDigitHour) {
    char text[64];
    std::snprintf(text, sizeof text, twoDigitHour ? "%d/%d/%d %02d:%02d" : "%d/%d/%d %d:%02d",
                  begin.day, begin.month, begin.year, begin.hour, begin.minute);
    return text;
}

CaseFileWriter::CaseFileWriter(const std::string& path, bool startEmpty)
    : folderReady_(PrepareFolder(path)),
      store_(path, ProfileOpen::ExistingOnly),
      batch_(store_) {
    if (!folderReady_) batch_.Abandon();
    if (startEmpty) {
        for (const std::string& section : store_.SectionNames()) store_.DeleteSection(section);
    }
}

void CaseFileWriter::AddReadings(const std::vector<Measurement>& readings, const TextSource& texts) {
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
    store.WriteString(kPatientSection, "Name", h.patientName);
    store.WriteString(kPatientSection, "ID", h.patientId);
    store.WriteInt(kPatientSection, kTestCount, 1);
    const std::pair<std::string_view, int> settings[] = {
        {"DeviceType", h.deviceType},         {"ProtocolVersion", h.protocolVersion},
        {"IsDisplay", h.isDisplay},           {"AutoMode", h.autoMode},
        {"AwakeHour", h.awakeHour},           {"AwakeMin", h.awakeMin},
        {"AwakeDuration", h.awakeDuration},   {"AsleepHour", h.asleepHour},
        {"AsleepMin", h.asleepMin},           {"AsleepDuration", h.asleepDuration},
        {"SpecialHourStart", h.specialHourStart}, {"SpecialMinStart", h.specialMinStart},
        {"SpecialDuration", h.specialDuration},   {"SpecialHourEnd", h.specialHourEnd},
        {"SpecialMinEnd", h.specialMinEnd},   {"TimePeriod", h.timePeriod},
    };
    for (const auto& [key, value] : settings) store.WriteInt(kFirstTest, key, value);
    WriteTestBegin(store, kFirstTest, h.testBegin, h.writesMonitorType);
    store.WriteInt(kFirstTest, "Awake Time", h.awakeStartMinutes / 30);
    store.WriteInt(kFirstTest, "Asleep Time", h.asleepStartMinutes / 30);
    const bool secondGeneration = h.deviceType == 3 || h.deviceType == 4;
    store.WriteString(kPatientSection, "BTH_ADDR",
                      h.writesMonitorType ? h.monitorAddress
                      : secondGeneration  ? "000000000201"
                                          : "000000000101");
}

bool CaseFileWriter::Commit() {
    if (!folderReady_) batch_.Abandon();
    return folderReady_ && batch_.Commit();
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

SplitWriteResult WriteMonthlyCases(const std::string& folder,
                                   const std::vector<Measurement>& readings,
                                   const CaseHeader& header, const TextSource& texts) {
    SplitWriteResult result;
    // Readings of one month, in their order, so that each file is written once.
    std::map<std::string, std::vector<const Measurement*>> byFile;
    for (const Measurement& m : readings) {
        const std::string path = MonthFilePath(folder, m.Clock());
        auto [it, added] = byFile.try_emplace(path);
        if (added) result.paths.push_back(path);
        it->second.push_back(&m);
    }
    for (const std::string& path : result.paths) {
        if (!PrepareFolder(path)) return {};
        ProfileStore store(path, ProfileOpen::ExistingOnly);
        ProfileStore::Batch batch(store);
        const std::vector<const Measurement*>& month = byFile[path];
        if (!store.HasKey(kPatientSection, kTestCount)) StartMonthFile(store, header, month.front()->Clock());
        const std::string test = TestSection(store.GetString(kPatientSection, kTestCount, "1"));
        const ClockTime begin{store.GetInt(test, "YearBegin", 0), store.GetInt(test, "MonthBegin", 0),
                              store.GetInt(test, "DayBegin", 0), store.GetInt(test, "HourBegin", 0),
                              store.GetInt(test, "MinBegin", 0)};
        int count = store.GetInt(test, "Count", 0);
        for (const Measurement* m : month) {
            Measurement stored = *m;
            stored.offsetMinutes = static_cast<int>(MinutesOf(m->Clock()) - MinutesOf(begin));
            ++count;
            const bool failed = !IsSuccessfulStatus(m->status);
            store.WriteString(test, ReadingKey(count), FormatShortReadingText(stored, failed));
            store.WriteString(test, RemarkKey(count), FailureText(m->status, texts));
        }
        store.WriteInt(test, "Count", count);
        if (!batch.Commit()) return {};
    }
    result.ok = true;
    return result;
}

}  // namespace vitalis
