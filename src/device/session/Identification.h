#pragma once

#include <optional>
#include <string>

#include "device/link/CBthSocket.h"
#include "device/link/LinkPlatform.h"
#include "device/link/LinkTiming.h"
#include "device/session/DeviceIdentity.h"
#include "device/session/Pacer.h"

namespace vitalis {

// Finds out which protocol the monitor speaks before every session.

// USB HID first (the HID-generation identify); only when no HID monitor answers, each serial
// port in turn (the Heron open at 115200 Bd), each drained and closed after its probe. With
// onlyPort the HID step is skipped and just that port is probed.
DeviceIdentity IdentifyWired(LinkPlatform& platform, Pacer& pacer, const LinkTiming& timing,
                             const std::optional<std::string>& onlyPort = std::nullopt);

// Over a connected socket: the HID-generation identify, then the Heron open.
DeviceIdentity IdentifyBluetooth(CBthSocket& socket, Pacer& pacer, const LinkTiming& timing);

}  // namespace vitalis
