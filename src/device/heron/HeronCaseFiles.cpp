#include "device/heron/HeronCaseFiles.h"

#include <algorithm>

#include "case/CaseFileNames.h"
#include "case/TextSource.h"
#include "device/session/DeviceIdentity.h"

namespace vitalis {
namespace {

// The folder names come from the language file; a missing text or one that would climb out
// of the case folder must not decide where readings land.
std::string FolderName(const TextSource& texts, const char* key, const char* fallback) {
    std::string name = texts.Text(kGlobalTexts, key);
    std::replace(name.begin(), name.end(), '/', '-');
    std::replace(name.begin(), name.end(), '\\', '-');
    if (name.empty() || name == "." || name == "..") return fallback;
    return name;
}

ClockTime TestBegin(const HeronDownloadData& data) {
    if (data.header() && IsValidClockTime(data.header()->firstMeasurement))
        return data.header()->firstMeasurement;
    if (!data.single().empty()) return data.single().front().Clock();
    if (!data.monthly().empty()) return data.monthly().front().Clock();
    return {};
}

std::vector<Measurement> Numbered(const std::vector<Measurement>& readings,
                                  const ClockTime& begin) {
    std::vector<Measurement> out = readings;
    const int64_t start = MinutesOf(begin);
    for (size_t i = 0; i < out.size(); ++i) {
        out[i].index = static_cast<int>(i);
        out[i].offsetMinutes = static_cast<int>(MinutesOf(out[i].Clock()) - start);
    }
    return out;
}

}  // namespace

HeronDestinations MakeHeronDestinations(const std::string& caseFolder, const TextSource& texts,
                                        const LocalTime& now) {
    HeronDestinations where;
    where.monthlyFolder = JoinPath(caseFolder, FolderName(texts, "IDS_TRE_PRESSURE", "Pressure"));
    where.singleFile =
        CaseNameFromClock(JoinPath(caseFolder, FolderName(texts, "IDS_USER1", "User1")), now);
    return where;
}

CaseHeader MakeHeronCaseHeader(const HeronDownloadData& data, int variant) {
    CaseHeader h;
    h.deviceType = kHeronDeviceType;
    h.protocolVersion = variant;
    h.writesMonitorType = true;
    h.monitorAddress = data.address();
    h.testBegin = TestBegin(data);
    if (!data.header()) return h;
    const HeronHeader& r = *data.header();
    h.patient.name = r.patientName;
    h.patient.id = r.patientId;
    h.isDisplay = r.optionA;
    h.autoMode = r.optionB;
    h.schedule = r.schedule();
    h.timePeriod = r.firstPeriod;
    return h;
}

HeronWriteResult WriteHeronCases(const HeronDownloadData& data, const HeronDestinations& where,
                                 int variant, const TextSource& texts) {
    HeronWriteResult result;
    const CaseHeader header = MakeHeronCaseHeader(data, variant);
    std::vector<StagedFile> staged;
    if (!data.single().empty()) {
        CaseFileWriter writer(where.singleFile, true);
        writer.AddHeader(header);
        writer.AddReadings(Numbered(data.single(), header.testBegin), texts);
        std::optional<StagedFile> single = writer.Stage();
        if (!single) {
            result.failedPath = where.singleFile;
            return result;
        }
        staged.push_back(std::move(*single));
        result.paths.push_back(where.singleFile);
    }
    if (!data.monthly().empty()) {
        StagedMonths months = StageMonthlyCases(where.monthlyFolder, data.monthly(), header, texts);
        result.skipped = months.result.skipped;
        if (!months.result.ok) {
            result.failedPath = months.result.failedPath;
            return result;
        }
        for (StagedFile& month : months.files) staged.push_back(std::move(month));
        result.paths.insert(result.paths.end(), months.result.paths.begin(),
                            months.result.paths.end());
    }
    result.ok = InstallStagedFiles(staged, result.failedPath);
    return result;
}

}  // namespace vitalis
