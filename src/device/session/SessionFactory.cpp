#include "device/session/SessionFactory.h"

#include "case/TextSource.h"
#include "device/link/CBthLinkHeron.h"
#include "device/link/CBthLinkHid.h"
#include "device/link/CHidLink.h"
#include "device/link/CSerialLinkHeron.h"
#include "device/session/Identification.h"

namespace vitalis {
namespace {

std::optional<std::string> OnlyPort(const LinkTarget& target) {
    if (target.kind == LinkTarget::Kind::Serial) return target.serialPort;
    return std::nullopt;
}

DeviceIdentity Identify(const LinkTarget& target, SessionContext& context) {
    if (target.Wired())
        return IdentifyWired(context.platform, context.pacer, context.timing, OnlyPort(target));
    if (!context.socket.IsConnected()) {
        auto stream = context.platform.ConnectSocket(target, context.pacer);
        if (!stream) return {};
        context.socket.Attach(std::move(stream));
    }
    return IdentifyBluetooth(context.socket, context.pacer, context.timing);
}

}  // namespace

std::unique_ptr<CDeviceLink> MakeChannel(const DeviceIdentity& identity, const LinkTarget& target,
                                         SessionContext& context) {
    const bool hid = identity.kind == DeviceKind::HidGeneration;
    if (identity.kind == DeviceKind::None) return nullptr;
    if (!target.Wired()) {
        if (hid)
            return std::make_unique<CBthLinkHid>(context.socket, context.pacer, context.timing);
        return std::make_unique<CBthLinkHeron>(context.socket, context.pacer, context.timing);
    }
    if (hid) return std::make_unique<CHidLink>(context.platform.MakeHidDevice(), context.pacer);
    auto serial = std::make_unique<CSerialLinkHeron>(context.platform.SerialPorts(), context.pacer,
                                                     context.timing, OnlyPort(target));
    // The session opens the port identification found first; the others stay candidates.
    if (!identity.port.empty()) serial->PreferPort(identity.port);
    return serial;
}

std::unique_ptr<DeviceSession> CreateSession(const LinkTarget& target, SessionContext& context) {
    for (;;) {
        if (context.pacer.IsCancelled()) return nullptr;
        const DeviceIdentity identity = Identify(target, context);
        if (identity.kind != DeviceKind::None) {
            auto session = std::make_unique<DeviceSession>();
            session->identity = identity;
            session->protocol = identity.kind == DeviceKind::HidGeneration
                                    ? ProtocolKind::HidGeneration
                                    : ProtocolKind::Heron;
            session->link = MakeChannel(identity, target, context);
            return session;
        }
        if (context.pacer.IsCancelled()) return nullptr;
        const UiMessage question{kNoticeTexts, "IDS_TRY_CANCEL", "", UiIcon::Warning};
        if (!context.ui.AskRetry(question)) {
            // Cancel on the question ends the session as the Cancel button would.
            context.pacer.Cancel();
            return nullptr;
        }
    }
}

}  // namespace vitalis
