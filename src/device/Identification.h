#pragma once

#include <optional>
#include <string>

#include "device/CBthSocket.h"
#include "device/DeviceIdentity.h"
#include "device/LinkPlatform.h"
#include "device/LinkTiming.h"
#include "device/Pacer.h"

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
