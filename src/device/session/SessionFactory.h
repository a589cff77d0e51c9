#pragma once

#include <memory>

#include "device/link/CBthSocket.h"
#include "device/link/CDeviceLink.h"
#include "device/link/LinkPlatform.h"
#include "device/link/LinkTarget.h"
#include "device/link/LinkTiming.h"
#include "device/session/DeviceIdentity.h"
#include "device/session/Pacer.h"
#include "device/session/SessionUi.h"

namespace vitalis {

enum class ProtocolKind { Heron, HidGeneration };

// The channel and the protocol kind for one session, with what identification found.
struct DeviceSession {
    DeviceIdentity identity;
    ProtocolKind protocol = ProtocolKind::Heron;
    std::unique_ptr<CDeviceLink> link;
};

// What a session is built from. The pacer, the platform and the socket must outlive the
// session; the socket is used (and connected when it is not yet) for bt: and tcp: targets.
struct SessionContext {
    LinkPlatform& platform;
    Pacer& pacer;
    SessionUi& ui;
    CBthSocket& socket;
    LinkTiming timing{};
};

// Identifies the monitor on the target and builds its channel. When nothing answers it asks
// Retry/Cancel ("IDS_TRY_CANCEL") and tries again until the user cancels; null then, or when
// the session is cancelled. The user's Cancel cancels the pacer, so the session ends as
// cancelled and not as a failure.
std::unique_ptr<DeviceSession> CreateSession(const LinkTarget& target, SessionContext& context);

// The channel for an identity found on a target (null for DeviceKind::None).
std::unique_ptr<CDeviceLink> MakeChannel(const DeviceIdentity& identity, const LinkTarget& target,
                                         SessionContext& context);

}  // namespace vitalis
