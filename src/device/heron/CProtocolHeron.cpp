#include "device/heron/CProtocolHeron.h"

#include <algorithm>
#include <string>

#include "case/TextSource.h"
#include "device/heron/HeronCaseFiles.h"
#include "device/heron/HeronPacketReader.h"
#include "device/link/MonitorFrames.h"
#include "device/session/SessionMessages.h"
#include "device/session/UploadBlocks.h"

namespace vitalis {
namespace {

constexpr auto kBeforePacket = std::chrono::milliseconds(50);
constexpr auto kAfterPacket = std::chrono::milliseconds(15);
// A reading that does not come is asked for this many times in all before the data phase
// ends: a monitor that pauses (a busy radio, a slow flash read) is waited for, a silent one
// is not waited for long.
constexpr int kReadAttempts = 10;
// The packets of a data set besides its readings (address, header, count), with room for a
// few data sets: with the reading bound this caps the data phase however the monitor talks.
constexpr int kOtherPacketLimit = 64;
constexpr auto kAckWait = std::chrono::milliseconds(2000);
constexpr int kAckReads = 10;

const char* const kGlobal = kGlobalTexts;
const char* const kZuzod = kNoticeTexts;

std::string JoinLines(const std::vector<std::string>& paths) {
    std::string text;
    for (const std::string& path : paths) text += (text.empty() ? "" : "\r\n") + path;
    return text;
}

}  // namespace

bool CProtocolHeron::Download() {
    const bool bluetooth = context_.link.Medium() == LinkMedium::Bluetooth;
    const UiMessage question{kZuzod, bluetooth ? "IDS_DEVICE_BTH" : "IDS_DEVICE", "",
                             UiIcon::Warning};
    if (!OpenWithRetry(Side::Down, question)) {
        Close(Side::Down);
        if (Cancelled()) return EndCancelled();
        context_.progress.SetState(SessionState::Ended);
        return false;
    }
    const uint8_t variant = context_.link.HeronVariant();
    context_.progress.Set(0, SessionState::Running);
    SetStatus(kGlobal, "IDS_DOWNLOADING");
    context_.progress.SetProgress(20);
    HeronDownloadData data;
    if (!ReadDataPhase(data)) {
        Close(Side::Down);
        return EndCancelled();
    }
    context_.progress.SetProgress(80);
    if (variant == kHeronHeaderAgainVariant && !data.single().empty() && data.Whole()) {
        AskForHeaderAgain(data);
        context_.progress.SetProgress(90);
    }
    Close(Side::Down);
    if (Cancelled()) return EndCancelled();
    context_.progress.SetProgress(100);
    return Finish(data, variant);
}

bool CProtocolHeron::ReadDataPhase(HeronDownloadData& data) {
    HeronPacketReader reader(context_.link);
    int misses = 0;
    for (int packets = 0; packets < kMaxSessionReadings + kOtherPacketLimit;) {
        if (!Pause(kBeforePacket)) return false;
        if (!reader.Next()) {
            if (Cancelled()) return false;
            // Silence is the end of the data, unless the monitor still owes readings.
            if (!data.Expecting() || data.TooMany() || ++misses >= kReadAttempts) return true;
            continue;
        }
        misses = 0;
        ++packets;
        data.Add(DecodeHeronPacket(reader.Area(), context_.texts));
        if (data.TooMany()) return true;
        if (data.CountAnnounced()) {
            // Clamped into an int: TooMany() has already stopped anything beyond a recording.
            const auto announced =
                static_cast<int>(std::min<uint64_t>(data.Announced(), kMaxSessionReadings));
            context_.progress.SetReadings(data.Received(), announced, 20, 80);
        } else {
            context_.progress.AdvanceBelow(80, 5);
        }
        if (!Pause(kAfterPacket)) return false;
    }
    return true;
}

void CProtocolHeron::AskForHeaderAgain(HeronDownloadData& data) {
    const uint8_t request = kHeronHeaderRequest;
    if (!context_.link.WriteDown({&request, 1})) return;
    HeronPacketReader reader(context_.link);
    if (!reader.Next()) return;
    const HeronPacket packet = DecodeHeronPacket(reader.Area(), context_.texts);
    if (const auto* header = std::get_if<HeronHeader>(&packet)) data.ReplaceHeader(*header);
}

bool CProtocolHeron::Finish(const HeronDownloadData& data, uint8_t variant) {
    if (data.TooMany()) return Fail(kSessionSection, kTooManyReadingsKey, data.CountText());
    if (data.Damaged() > 0) return Fail(kSessionSection, kReadingUnreadableKey, data.CountText());
    if (data.Expecting()) return Fail(kSessionSection, kReadingsMissingKey, data.CountText());
    if (data.Received() == 0) {
        // A monitor that said it holds nothing is told apart from one that sent nothing.
        if (data.CountAnnounced()) return Fail(kZuzod, "IDS_BP_RECEIVED", {}, UiIcon::Information);
        return Fail(kDialogTexts, "IDS_NORECIEVE_DATA", {}, UiIcon::Information);
    }
    const HeronDestinations where =
        MakeHeronDestinations(context_.caseFolder, context_.texts, context_.clock());
    const HeronWriteResult written = WriteHeronCases(data, where, variant, context_.texts);
    if (!written.ok) return Fail(kGlobal, FileFailureKey(), written.failedPath, UiIcon::Error);
    result_.savedPaths = written.paths;
    result_.skippedReadings = written.skipped;
    context_.progress.SetState(SessionState::Saved);
    std::string detail = JoinLines(written.paths);
    if (written.skipped > 0)
        detail +=
            "\r\n" + Text(kGlobal, "IDS_SKIPPED_READINGS") + " " + std::to_string(written.skipped);
    Show(kGlobal, "IDS_MSG_FINISH", detail);
    return true;
}

bool CProtocolHeron::Upload() {
    if (!BeginUpload()) return true;
    const auto block = BuildHeronUploadBlock(upload_, context_.clock());
    if (!block) {
        Fail(kZuzod, "IDS_COM_CLOSED");
        Close(Side::Up);
        return true;
    }
    for (size_t sent = 0; sent < block->size(); ++sent) {
        if (!SendAcknowledged((*block)[sent])) {
            if (Cancelled())
                EndCancelled();
            else
                Fail(kZuzod, "IDS_COM_CLOSED");
            Close(Side::Up);
            return true;
        }
        context_.progress.SetProgress(static_cast<int>((sent + 1) * 100 / block->size()));
    }
    result_.acknowledged = true;
    context_.progress.SetState(SessionState::Ended);
    Show(kGlobal, "IDS_UPLOAD_FINISH");
    Close(Side::Up);
    return true;
}

bool CProtocolHeron::SendAcknowledged(uint8_t byte) {
    if (!context_.link.WriteUp({&byte, 1})) return false;
    for (int read = 0; read < kAckReads; ++read) {
        uint8_t reply = 0;
        const LinkRead got = context_.link.ReadUp({&reply, 1});
        if (got.ok && got.count == 1 && reply == kHeronUploadAck) return true;
        // A line that is gone will not acknowledge anything however long we wait.
        if (!got.ok && context_.link.Medium() == LinkMedium::Serial) return false;
        if (!Pause(kAckWait)) return false;
    }
    return false;
}

}  // namespace vitalis
