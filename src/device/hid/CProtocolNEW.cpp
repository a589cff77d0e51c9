#include "device/hid/CProtocolNEW.h"

#include <array>

#include "case/CaseFileNames.h"
#include "case/CaseWriter.h"
#include "case/TextSource.h"
#include "device/session/SessionMessages.h"
#include "device/session/UploadBlocks.h"

namespace vitalis {
namespace {

constexpr auto kBeforeAck = std::chrono::milliseconds(50);
constexpr auto kBeforeBlock = std::chrono::milliseconds(5);
constexpr auto kUploadAckWait = std::chrono::milliseconds(10);
constexpr auto kAfterFirstPart = std::chrono::milliseconds(500);
// A record that does not come is asked for this many times in all.
constexpr int kRecordAttempts = 10;
constexpr uint8_t kSettingsSelector = 0;
constexpr uint8_t kUploadSelector = 1;
constexpr uint8_t kRecordingSet = 1;
constexpr uint8_t kSingleUserSet = 3;

const char* const kGlobal = kGlobalTexts;
const char* const kZuzod = kNoticeTexts;

std::string CountText(size_t arrived, int announced) {
    return std::to_string(arrived) + "/" + std::to_string(announced);
}

CaseHeader MakeHidCaseHeader(const HidSettings& s, const CProtocolNEW::DataSet& set,
                             const DeviceIdentity& identity) {
    CaseHeader h;
    h.patient.name = s.patientName;
    h.patient.id = s.patientId;
    h.deviceType = identity.devType;
    h.protocolVersion = identity.devSubType;
    h.isDisplay = s.setting47;
    h.autoMode = s.option;
    h.schedule = s.schedule();
    h.timePeriod = s.setting66;
    // The records count their minutes from the start in their own header.
    h.testBegin = set.header.start;
    return h;
}

}  // namespace

bool CProtocolNEW::Download() {
    if (!context_.link.OpenToDown()) {
        Close(Side::Down);
        return Fail(kZuzod, "IDS_DEVICE");
    }
    context_.progress.Set(0, SessionState::Running);
    SetStatus(kGlobal, "IDS_DOWNLOADING");
    const Frame6 start = StartFrame();
    std::array<uint8_t, kStartReplyLength> reply{};
    if (!Write(Side::Down, start) || !ReadAll(Side::Down, reply) || !IsStartReply(reply)) {
        Close(Side::Down);
        return Fail(kGlobal, "IDS_MSG_ERROR");
    }
    const std::optional<HidSettings> settings = ReadSettings();
    std::vector<DataSet> sets;
    for (const uint8_t selector : {kRecordingSet, kSingleUserSet}) {
        if (!settings) break;
        std::optional<DataSet> set = ReadDataSet(selector);
        if (!set) {
            Close(Side::Down);
            return Cancelled() ? EndCancelled() : false;
        }
        sets.push_back(std::move(*set));
    }
    if (!settings) {
        Close(Side::Down);
        return Cancelled() ? EndCancelled() : Fail(kGlobal, "IDS_MSG_ERROR");
    }
    EndSession();
    Close(Side::Down);
    if (Cancelled()) return EndCancelled();
    return Finish(*settings, sets);
}

bool CProtocolNEW::RequestBlock(const Frame6& frame) {
    std::array<uint8_t, kAckLength> ack{};
    return Write(Side::Down, frame) && Pause(kBeforeAck) && ReadAll(Side::Down, ack) &&
           IsAck(ack, kBlockCommand) && Pause(kBeforeBlock);
}

std::optional<HidSettings> CProtocolNEW::ReadSettings() {
    SetStatus(kGlobal, "IDS_DOWNLOADING", kMessageTexts, "IDS_PATIENT_INFOR");
    const Frame6 request = ReadBlockFrame(DeviceType(), kSettingsSelector, BlockKind::Settings);
    context_.progress.SetProgress(20);
    if (!RequestBlock(request)) return std::nullopt;
    std::vector<uint8_t> frame(SettingsFrameLength());
    if (!ReadAll(Side::Down, frame)) return std::nullopt;
    context_.progress.SetProgress(40);
    std::optional<HidSettings> settings = DecodeSettingsFrame(frame, context_.identity.devType);
    if (!settings) return std::nullopt;
    context_.progress.SetProgress(60);
    context_.progress.SetProgress(80);
    return settings;
}

std::optional<CProtocolNEW::DataSet> CProtocolNEW::ReadDataSet(uint8_t selector) {
    SetStatus(kGlobal, "IDS_DOWNLOADING", kGlobal,
              selector == kRecordingSet ? "IDS_TRE_PRESSURE" : "IDS_USERALONE");
    DataSet set;
    set.selector = selector;
    const Frame6 request = ReadBlockFrame(DeviceType(), selector, BlockKind::Measurements);
    std::vector<uint8_t> frame(MeasurementHeaderFrameLength());
    std::optional<HidMeasurementHeader> header;
    if (RequestBlock(request) && ReadAll(Side::Down, frame))
        header = DecodeMeasurementHeaderFrame(frame, context_.identity.devType);
    if (!header) {
        Fail(kGlobal, "IDS_MSG_ERROR");
        return std::nullopt;
    }
    set.header = *header;
    if (set.header.recordCount > kMaxSessionReadings) {
        Fail(kSessionSection, kTooManyReadingsKey, std::to_string(set.header.recordCount));
        return std::nullopt;
    }
    if (!ReadRecords(set)) return std::nullopt;
    return set;
}

bool CProtocolNEW::ReadRecords(DataSet& set) {
    const int count = set.header.recordCount;
    set.records.reserve(static_cast<size_t>(count));
    std::vector<uint8_t> frame(RecordFrameLength());
    for (int i = 0; i < count; ++i) {
        std::optional<Measurement> record;
        LinkRead read;
        for (int attempt = 0; attempt < kRecordAttempts && !Cancelled(); ++attempt) {
            std::fill(frame.begin(), frame.end(), uint8_t{0});
            read = context_.link.ReadDown(frame);
            if (read.count > 0)
                break;  // something came: whole or not, asking again would read the next one
        }
        if (read.ok && read.count == frame.size())
            record = DecodeRecordFrame(frame, set.header.start, context_.texts);
        if (!record) {
            const char* key = read.count > 0 ? kReadingUnreadableKey : kReadingsMissingKey;
            Fail(kSessionSection, key, CountText(set.records.size(), count));
            return false;
        }
        record->index = i;
        set.records.push_back(std::move(*record));
        context_.progress.SetReadings(i + 1, count);
    }
    return true;
}

void CProtocolNEW::EndSession() {
    const Frame6 end = EndFrame(DeviceType());
    std::array<uint8_t, kAckLength> ack{};
    // The readings are in hand; a monitor that does not acknowledge the end loses nothing.
    if (Write(Side::Down, end)) ReadAll(Side::Down, ack);
}

bool CProtocolNEW::Finish(const HidSettings& settings, const std::vector<DataSet>& sets) {
    const bool singleUser = sets.size() > 1 && !sets[1].records.empty();
    const LocalTime now = context_.clock();
    std::string detail;
    for (const DataSet& set : sets) {
        if (set.records.empty()) continue;
        const bool recording = set.selector == kRecordingSet;
        std::string path;
        if (!singleUser)
            path = CaseNameFromTestBegin(context_.caseFolder, settings.start);
        else if (recording)
            path = ShortCaseNameFromClock(JoinPath(context_.caseFolder, "Vitalis"), now);
        else
            path = ShortCaseNameFromClock(JoinPath(context_.caseFolder, "Vitalis/User1"), now);
        path = UnusedCaseName(path);
        CaseFileWriter writer(path, true);
        writer.AddHeader(MakeHidCaseHeader(settings, set, context_.identity));
        writer.AddReadings(set.records, context_.texts);
        if (!writer.Commit()) return Fail(kGlobal, FileFailureKey(), path, UiIcon::Error);
        result_.savedPaths.push_back(path);
        const char* label = recording ? "IDS_VitalisFILESAVE" : "IDS_USERFILESAVE";
        detail = Text(kGlobal, label) + "\r\n" + path + (detail.empty() ? "" : "\r\n" + detail);
    }
    if (result_.savedPaths.empty()) return Fail(kZuzod, "IDS_BP_RECEIVED", {}, UiIcon::Information);
    context_.progress.SetState(SessionState::Saved);
    if (singleUser)
        Show(kGlobal, "IDS_MSG_FINISH", detail);
    else
        Show(kCaseTexts, "IDS_FILESAVE", result_.savedPaths.front());
    return true;
}

bool CProtocolNEW::Upload() {
    if (!BeginUpload()) return true;
    const auto block = BuildHidUploadBlock(upload_, context_.clock());
    const bool sent = block && SendSettings(SettingsFrame(DeviceType(), *block));
    if (Cancelled()) {
        EndCancelled();
    } else if (sent) {
        result_.acknowledged = true;
        context_.progress.Set(100, SessionState::Ended);
        Show(kGlobal, "IDS_UPLOAD_FINISH");
    } else {
        Fail(kZuzod, "IDS_COM_CLOSED");
    }
    Close(Side::Up);
    return true;
}

bool CProtocolNEW::SendSettings(std::span<const uint8_t> frame) {
    const Frame6 announce = AnnounceSettingsFrame(DeviceType(), kUploadSelector);
    if (!AckedWrite(announce, kBlockCommand)) return false;
    const auto first = frame.first(std::min(kSettingsFirstPart, frame.size()));
    if (!AckedWrite(first, kSettingsCommand)) return false;
    context_.progress.SetProgress(static_cast<int>(first.size() * 100 / frame.size()) + 10);
    if (!Pause(kAfterFirstPart)) return false;
    const auto rest = frame.subspan(first.size());
    return rest.empty() || AckedWrite(rest, kSettingsCommand);
}

bool CProtocolNEW::AckedWrite(std::span<const uint8_t> part, uint8_t command) {
    std::array<uint8_t, kAckLength> ack{};
    return Write(Side::Up, part) && Pause(kUploadAckWait) && ReadAll(Side::Up, ack) &&
           IsAck(ack, command);
}

}  // namespace vitalis
