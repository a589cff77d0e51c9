#include "device/session/CProtocolBase.h"

#include <cerrno>

#include "case/FileAccess.h"
#include "case/TextSource.h"
#include "device/session/SessionMessages.h"

namespace vitalis {

CProtocolBase::CProtocolBase(ProtocolContext context) : context_(std::move(context)) {}

std::string CProtocolBase::Text(const char* section, const char* key) const {
    return context_.texts.Text(section, key);
}

void CProtocolBase::Show(const char* section, const char* key, std::string detail, UiIcon icon) {
    if (Cancelled()) return;
    context_.ui.ShowMessage({section, key, std::move(detail), icon});
}

void CProtocolBase::SetStatus(const char* section, const char* key, const char* moreSection,
                              const char* moreKey) {
    std::string text = Text(section, key);
    if (moreSection && moreKey) text += Text(moreSection, moreKey);
    context_.progress.SetStatus(std::move(text));
}

bool CProtocolBase::OpenWithRetry(Side side, const UiMessage& question) {
    for (;;) {
        if (Cancelled()) return false;
        const bool opened =
            side == Side::Up ? context_.link.OpenToUp() : context_.link.OpenToDown();
        if (opened) return true;
        if (Cancelled()) return false;
        context_.progress.SetState(SessionState::AwaitingRetry);
        if (!context_.ui.AskRetry(question)) {
            // Cancel on the question ends the session as the Cancel button would.
            context_.pacer.Cancel();
            return false;
        }
        if (!Pause(ms(1000))) return false;
        context_.progress.Set(0, SessionState::Running);
    }
}

void CProtocolBase::Close(Side side) {
    if (side == Side::Up)
        context_.link.CloseUp();
    else
        context_.link.CloseDown();
}

bool CProtocolBase::BeginUpload() {
    const UiMessage question{kNoticeTexts, "IDS_TRY_CANCEL", "", UiIcon::Warning};
    if (!OpenWithRetry(Side::Up, question)) {
        Close(Side::Up);
        if (Cancelled())
            EndCancelled();
        else
            context_.progress.SetState(SessionState::Ended);
        return false;
    }
    context_.progress.Set(0, SessionState::Running);
    SetStatus(kGlobalTexts, "IDS_UPLOADING");
    return true;
}

bool CProtocolBase::Fail(const char* section, const char* key, std::string detail, UiIcon icon) {
    if (Cancelled()) return EndCancelled();
    context_.progress.SetState(SessionState::Ended);
    Show(section, key, std::move(detail), icon);
    return false;
}

const char* CProtocolBase::FileFailureKey() {
    return ReplaceFailureKey();
}

bool CProtocolBase::EndCancelled() {
    result_.cancelled = true;
    result_.savedPaths.clear();
    context_.progress.SetStatus(Text(kSessionSection, kSessionCancelledKey));
    context_.progress.SetState(SessionState::Ended);
    return false;
}

bool CProtocolBase::ReadAll(Side side, std::span<uint8_t> buffer) {
    const LinkRead read =
        side == Side::Up ? context_.link.ReadUp(buffer) : context_.link.ReadDown(buffer);
    return read.ok && read.count == buffer.size();
}

bool CProtocolBase::Write(Side side, std::span<const uint8_t> data) {
    return side == Side::Up ? context_.link.WriteUp(data) : context_.link.WriteDown(data);
}

std::string SessionEndNote(const SessionResult& result) {
    if (result.savedPaths.empty()) return {};
    std::string note = "saved " + std::to_string(result.savedPaths.size()) + " case file(s)";
    note +=
        ", readings left out for want of a valid date: " + std::to_string(result.skippedReadings);
    return note;
}

}  // namespace vitalis
