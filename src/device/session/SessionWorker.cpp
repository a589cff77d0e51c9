#include "device/session/SessionWorker.h"

#include "case/TextSource.h"
#include "device/heron/CProtocolHeron.h"
#include "device/hid/CProtocolNEW.h"
#include "device/link/CBthSocket.h"
#include "device/session/SessionMessages.h"

namespace vitalis {

std::unique_ptr<CProtocolBase> MakeProtocol(ProtocolKind kind, ProtocolContext context) {
    if (kind == ProtocolKind::HidGeneration)
        return std::make_unique<CProtocolNEW>(std::move(context));
    return std::make_unique<CProtocolHeron>(std::move(context));
}

SessionWorker::SessionWorker(SessionServices services, std::unique_ptr<Pacer> pacer)
    : services_(std::move(services)), pacer_(std::move(pacer)) {}

SessionWorker::~SessionWorker() {
    Cancel();
    Join();
}

bool SessionWorker::Start(SessionRequest request) {
    if (running_ || thread_.joinable()) return false;
    running_ = true;
    thread_ = std::thread([this, request = std::move(request)] {
        SessionResult result = Run(request);
        {
            std::lock_guard lock(resultMutex_);
            result_ = std::move(result);
        }
        running_ = false;
    });
    return true;
}

void SessionWorker::Cancel() {
    pacer_->Cancel();
}

void SessionWorker::Join() {
    if (thread_.joinable()) thread_.join();
}

SessionResult SessionWorker::Result() const {
    std::lock_guard lock(resultMutex_);
    return result_;
}

SessionResult SessionWorker::Run(const SessionRequest& request) {
    SessionProgress& progress = services_.progress;
    SessionResult cancelled;
    cancelled.cancelled = true;
    const auto endCancelled = [&] {
        progress.SetStatus(services_.texts.Text(kSessionSection, kSessionCancelledKey));
        progress.SetState(SessionState::Ended);
        return cancelled;
    };
    if (!progress.AwaitStart(*pacer_)) return endCancelled();
    progress.Set(5, SessionState::Running);
    // The socket of a bt: or tcp: link lives for this session only; channels borrow it, so
    // it is declared before them and outlives them.
    CBthSocket socket;
    SessionContext context{services_.platform, *pacer_, services_.ui, socket, services_.timing};
    std::unique_ptr<DeviceSession> session = CreateSession(request.target, context);
    if (!session || !session->link) {
        if (pacer_->IsCancelled()) return endCancelled();
        progress.SetState(SessionState::Ended);
        return {};
    }
    if (!IsAcceptedDeviceType(session->identity.devType)) {
        services_.ui.ShowMessage({kNoticeTexts, "IDS_DEVICE_ERROR", "", UiIcon::Error});
        progress.SetState(SessionState::Ended);
        return {};
    }
    progress.Set(0, SessionState::Running);
    SessionResult result;
    ProtocolContext protocolContext{*session->link,     *pacer_,        services_.ui,
                                    services_.texts,    progress,       session->identity,
                                    request.caseFolder, services_.clock};
    std::unique_ptr<CProtocolBase> protocol =
        MakeProtocol(session->protocol, std::move(protocolContext));
    protocol->SetUploadSettings(request.upload);
    if (request.kind == SessionKind::Upload) {
        protocol->Upload();
    } else if (!protocol->Download()) {
        pacer_->Pause(std::chrono::milliseconds(500));
        progress.SetState(SessionState::Ended);
    } else {
        progress.SetProgress(100);
    }
    result = protocol->Result();
    protocol.reset();
    session.reset();
    socket.Close();
    return result;
}

}  // namespace vitalis
