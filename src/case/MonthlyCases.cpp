#include "case/MonthlyCases.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <tuple>

#include "case/CaseFileKeys.h"
#include "case/FileAccess.h"
#include "case/ProfileStore.h"
#include "case/ReadingText.h"
#include "case/ResultCodes.h"

namespace vitalis {
namespace {

using namespace casekeys;
constexpr std::string_view kFirstTest = "TEST 1";

void StartMonthFile(ProfileStore& store, const CaseHeader& header, const ClockTime& begin) {
    store.WriteString(kPatientSection, "Name", header.patient.name);
    store.WriteString(kPatientSection, "ID", header.patient.id);
    store.WriteString(kPatientSection, kTestCount, "1");
    store.WriteString(kPatientSection, "BTH_ADDR", header.monitorAddress);
    store.WriteString(kPatientSection, "Type", "Heron");
    WriteTestBegin(store, kFirstTest, begin, true);
    store.WriteString(kFirstTest, "StartCount", "0");
}

std::string MonthFilePath(const std::string& folder, const ClockTime& clock) {
    return folder + "/" + std::to_string(clock.year) + "/" + std::to_string(clock.month) + ".awp";
}

ClockTime TestBeginOf(const ProfileStore& store, const std::string& test) {
    return {store.GetInt(test, "YearBegin", 0), store.GetInt(test, "MonthBegin", 0),
            store.GetInt(test, "DayBegin", 0), store.GetInt(test, "HourBegin", 0),
            store.GetInt(test, "MinBegin", 0)};
}

// What tells one reading from another: when it was taken and what it measured. Marks the
// clinician set (exclusion, remark) are not part of it.
using ReadingIdentity = std::tuple<int64_t, int, int, int, int, int>;

ReadingIdentity IdentityOf(const Measurement& m) {
    return {MinutesOf(m.Clock()), m.sys, m.dia, m.pr, m.map, m.status};
}

// The reading as the month file would give it back, so that comparing it with a filed one
// is not upset by what the short text leaves out.
Measurement AsFiled(const Measurement& m, const ClockTime& begin) {
    Measurement stored = m;
    stored.offsetMinutes = static_cast<int>(MinutesOf(m.Clock()) - MinutesOf(begin));
    const std::string text = FormatShortReadingText(stored, !IsSuccessfulStatus(m.status));
    return ParseReadingText(text, 0, begin);
}

std::set<ReadingIdentity> FiledReadings(const ProfileStore& store) {
    std::set<ReadingIdentity> filed;
    const int tests = store.GetInt(kPatientSection, kTestCount, 0);
    for (int t = 1; t <= tests; ++t) {
        const std::string test = TestSection(std::to_string(t));
        const ClockTime begin = TestBeginOf(store, test);
        const int count = store.GetInt(test, "Count", 0);
        for (int k = 1; k <= count; ++k) {
            const std::string text = store.GetString(test, ReadingKey(k), "");
            if (!text.empty()) filed.insert(IdentityOf(ParseReadingText(text, k - 1, begin)));
        }
    }
    return filed;
}

// Adds the month's new readings to its file and stages the result; nothing on failure.
std::optional<StagedFile> StageMonth(const std::string& path, std::vector<Measurement> month,
                                     const CaseHeader& header, const TextSource& texts,
                                     SplitWriteResult& result) {
    if (!CreateFolders(ParentFolder(path))) return {};
    ProfileStore store(path, ProfileOpen::ExistingOnly);
    ProfileStore::Batch batch(store);
    if (store.ReadFailed()) return {};
    std::stable_sort(month.begin(), month.end(), [](const Measurement& a, const Measurement& b) {
        return MinutesOf(a.Clock()) < MinutesOf(b.Clock());
    });
    if (!store.HasKey(kPatientSection, kTestCount))
        StartMonthFile(store, header, month.front().Clock());
    std::set<ReadingIdentity> filed = FiledReadings(store);
    const std::string test = TestSection(store.GetString(kPatientSection, kTestCount, "1"));
    const ClockTime begin = TestBeginOf(store, test);
    int count = store.GetInt(test, "Count", 0);
    for (const Measurement& m : month) {
        if (!filed.insert(IdentityOf(AsFiled(m, begin))).second) {
            ++result.alreadyFiled;
            continue;
        }
        Measurement stored = m;
        stored.offsetMinutes = static_cast<int>(MinutesOf(m.Clock()) - MinutesOf(begin));
        ++count;
        store.WriteString(test, ReadingKey(count),
                          FormatShortReadingText(stored, !IsSuccessfulStatus(m.status)));
        store.WriteString(test, RemarkKey(count), FailureText(m.status, texts));
    }
    store.WriteInt(test, "Count", count);
    return batch.Stage();
}

}  // namespace

StagedMonths StageMonthlyCases(const std::string& folder, const std::vector<Measurement>& readings,
                               const CaseHeader& header, const TextSource& texts) {
    StagedMonths staged;
    SplitWriteResult& result = staged.result;
    std::map<std::string, std::vector<Measurement>> byFile;
    for (const Measurement& m : readings) {
        if (!IsValidClockTime(m.Clock())) {
            ++result.skipped;
            continue;
        }
        const std::string path = MonthFilePath(folder, m.Clock());
        auto [it, added] = byFile.try_emplace(path);
        if (added) result.paths.push_back(path);
        it->second.push_back(m);
    }
    for (const std::string& path : result.paths) {
        std::optional<StagedFile> month = StageMonth(path, byFile[path], header, texts, result);
        if (!month) {
            result.failedPath = path;
            staged.files.clear();  // no file has changed
            return staged;
        }
        staged.files.push_back(std::move(*month));
    }
    result.ok = true;
    return staged;
}

SplitWriteResult WriteMonthlyCases(const std::string& folder,
                                   const std::vector<Measurement>& readings,
                                   const CaseHeader& header, const TextSource& texts) {
    StagedMonths staged = StageMonthlyCases(folder, readings, header, texts);
    if (staged.result.ok)
        staged.result.ok = InstallStagedFiles(staged.files, staged.result.failedPath);
    return staged.result;
}

}  // namespace vitalis
